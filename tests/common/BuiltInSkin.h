#pragma once

#include <QBuffer>
#include <QFile>
#include <QStringList>

#include "compiler/MemberBytes.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

// The built-in skin as a package file, its main.ini values set first: each
// entry is "SECTION|KEY|VALUE".
inline void WriteBuiltInSkin(const QString& fileName, const QStringList& values = {}) {
    TQXSPFile package;
    QFile resource(QStringLiteral(":/skin/DEFAULT")), out(fileName);
    resource.open(QIODevice::ReadOnly);
    package.LoadFromStream(resource);
    for (const QString& entry : values) {
        const QStringList parts = entry.split(u'|');
        package.Project->WriteString(parts[0], parts[1], parts[2]);
    }
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    package.Project->SaveToStream(text, true);
    if (!values.isEmpty())
        AddMember(package, QStringLiteral("main.ini"), text.data());
    out.open(QIODevice::WriteOnly);
    package.SaveToStream(out);
}
