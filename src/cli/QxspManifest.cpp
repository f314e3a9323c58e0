#include "cli/QxspManifest.h"

QByteArray QxspManifest::ToText() const {
    QString text = QStringLiteral("# qxsp package manifest: header texts and member order\n");
    text += QStringLiteral("skin=") + SkinName + u'\n';
    text += QStringLiteral("author=") + Author + u'\n';
    for (const QString& member : Members)
        text += QStringLiteral("member=") + member + u'\n';
    return text.toUtf8();
}

QxspManifest QxspManifest::FromText(const QByteArray& text) {
    QxspManifest manifest;
    for (const QString& rawLine : QString::fromUtf8(text).split(u'\n')) {
        QString line = rawLine;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf(u'=');
        if (line.startsWith(u'#') || eq < 0)
            continue;
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("skin"))
            manifest.SkinName = value;
        else if (key == QLatin1String("author"))
            manifest.Author = value;
        else if (key == QLatin1String("member"))
            manifest.Members << value;
    }
    return manifest;
}
