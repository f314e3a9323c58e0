#pragma once

#include <QString>
#include <QStringList>

// What `unpack` keeps beside the member files so that `pack` rebuilds the
// same package: the header texts and the member order.
struct QxspManifest {
    static constexpr const char* FileName = "qxsp-manifest.txt";

    QString SkinName;
    QString Author;
    QStringList Members;

    QByteArray ToText() const;
    // Unknown lines are ignored so that hand edits stay forgiving.
    static QxspManifest FromText(const QByteArray& text);
};
