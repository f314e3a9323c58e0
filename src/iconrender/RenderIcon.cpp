// qxiconrender SVG OUTDIR SIZE...: OUTDIR/SIZExSIZE/apps/NAME.png for each
// size, NAME being the SVG's base name: the layout of an icon theme.

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: qxiconrender SVG OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "qxiconrender: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString name = QFileInfo(args[0]).completeBaseName();
    for (const QString& text : args.mid(2)) {
        const int size = text.toInt();
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !icon.save(folder + u'/' + name + ".png")) {
            std::fprintf(stderr, "qxiconrender: cannot write the %s icon\n", qPrintable(text));
            return 1;
        }
    }
    return 0;
}
