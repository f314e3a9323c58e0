#pragma once

#include <QBuffer>
#include <QFile>
#include <QStringList>
#include <QTest>

#include "compiler/MemberBytes.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

// The built-in skin written as a package file, with values of its main.ini
// set first: each entry is "SECTION|KEY|VALUE".
inline void WriteBuiltInSkin(const QString& fileName, const QStringList& values = {}) {
    TQXSPFile package;
    QFile resource(QStringLiteral(":/skin/DEFAULT"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    package.LoadFromStream(resource);
    for (const QString& entry : values) {
        const QStringList parts = entry.split(u'|');
        package.Project->WriteString(parts[0], parts[1], parts[2]);
    }
    if (!values.isEmpty()) {
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        package.Project->SaveToStream(text, true);
        AddMember(package, QStringLiteral("main.ini"), text.data());
    }
    QFile out(fileName);
    QVERIFY(out.open(QIODevice::WriteOnly));
    package.SaveToStream(out);
}
