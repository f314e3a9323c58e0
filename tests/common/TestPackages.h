#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cstring>

#include "storage/VESKCustomFile.h"
#include "storage/VESKStreams.h"

using Members = QList<QPair<QString, QByteArray>>;

// A package built directly with the container, also for names and contents
// the package tool itself would never write.
inline QByteArray PackageBytes(const Members& members,
                               const QByteArray& skinName = "Test skin") {
    QByteArray empty(76, '\0');
    memcpy(empty.data(), "QXSP", 4);
    TVESKCustomFile package;
    QBuffer in(&empty);
    in.open(QIODevice::ReadOnly);
    package.LoadFromStream(in);
    SetFieldText(package.Header.SkinName, 32, skinName);
    SetFieldText(package.Header.Author, 32, "Tester");
    for (const auto& [name, body] : members) {
        auto source = NewMemoryStream(body);
        package.AddFile(name, source.get());
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    package.SaveToStream(out);
    return out.data();
}

// The member names in package order.
inline QStringList MemberNames(const TVESKCustomFile& package) {
    QStringList names;
    for (int i = 0; i < package.Count(); ++i)
        names << package.ItemName(i);
    return names;
}
