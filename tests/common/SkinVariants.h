#pragma once

#include <functional>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include "TestPackages.h"
#include "text/SkinProject.h"

// The built-in skin taken apart into its members, changed in one place and
// packed again: a package with one known mistake. Changes to the file's
// own bytes (records, streams, what follows the last member) apply after
// packing.
class TSkinVariant {
public:
    static TSkinVariant BuiltIn() {
        TSkinVariant variant;
        QFile resource(QStringLiteral(":/skin/DEFAULT"));
        TVESKCustomFile package;
        if (resource.open(QIODevice::ReadOnly) && package.LoadFromStream(resource))
            for (int i = 0; i < package.Count(); ++i)
                variant.FMembers.append({package.ItemName(i),
                                         package.ExtractFile(package.ItemName(i))->data()});
        return variant;
    }

    QByteArray& Member(const QString& name) {
        for (auto& member : FMembers)
            if (member.first.compare(name, Qt::CaseInsensitive) == 0)
                return member.second;
        FMembers.append({name, QByteArray()});
        return FMembers.last().second;
    }
    void Remove(const QString& name) {
        FMembers.removeIf([&](const auto& m) { return m.first.compare(name, Qt::CaseInsensitive) == 0; });
    }
    void Append(const QString& name, const QByteArray& bytes) { FMembers.append({name, bytes}); }

    QString Value(const QString& member, const QString& section, const QString& key) {
        return Document(member)->ReadString(section, key, QString());
    }
    QRect Rect(const QString& member, const QString& section, const QString& key) {
        return StrToRect(Value(member, section, key)).ToQRect();
    }
    QSize BitmapSize(const QString& member) { return QImage::fromData(Member(member)).size(); }
    void SetValue(const QString& member, const QString& section, const QString& key,
                  const QString& value) {
        auto document = Document(member);
        document->WriteString(section, key, value);
        Store(member, *document);
    }
    void SetRect(const QString& member, const QString& section, const QString& key,
                 const QRect& rect) {
        SetValue(member, section, key, RectToStr(TRect::FromQRect(rect)));
    }
    void RemoveValue(const QString& member, const QString& section, const QString& key) {
        auto document = Document(member);
        TVESKStringListW* keys = document->Sections.Objects(document->FindSection(section));
        if (keys)
            keys->Delete(keys->IndexOfName(key));
        Store(member, *document);
    }

    // A 32-bit field of a member's record: 32 its offset, 36 its size.
    void PatchRecord(const QString& member, int field, quint32 value) {
        FFileEdits.push_back([=](QByteArray& file) {
            qToLittleEndian(value, file.data() + RecordAt(file, member) + field);
        });
    }
    // The member's compressed bytes turned into bytes no inflater takes.
    void DamageStream(const QString& member) {
        FFileEdits.push_back([=](QByteArray& file) {
            const qsizetype record = RecordAt(file, member);
            const quint32 size = qFromLittleEndian<quint32>(file.constData() + record + 40);
            file.replace(record + 44, size, QByteArray(size, '\xEE'));
        });
    }
    // The member's record and stream once more after the last member, under
    // another name, as a writer that never replaces would add it.
    void AppendCopy(const QString& member, const QByteArray& name) {
        FFileEdits.push_back([=](QByteArray& file) {
            const qsizetype record = RecordAt(file, member);
            QByteArray copy =
                file.mid(record, 44 + qFromLittleEndian<quint32>(file.constData() + record + 40));
            copy.replace(0, 32, name.leftJustified(32, '\0'));
            const quint32 count = qFromLittleEndian<quint32>(file.constData() + 72);
            qToLittleEndian(quint32(file.size() - 76 - 44 * count), copy.data() + 32);
            qToLittleEndian(count + 1, file.data() + 72);
            file += copy;
        });
    }
    void EditFile(std::function<void(QByteArray&)> edit) { FFileEdits.push_back(std::move(edit)); }

    QByteArray Bytes() const {
        QByteArray file = PackageBytes(FMembers);
        for (const auto& edit : FFileEdits)
            edit(file);
        return file;
    }

private:
    std::unique_ptr<TSkinProject> Document(const QString& member) {
        auto document = std::make_unique<TSkinProject>();
        QBuffer bytes(&Member(member));
        bytes.open(QIODevice::ReadOnly);
        document->LoadFromStream(bytes);
        return document;
    }
    void Store(const QString& member, TSkinProject& document) {
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        document.SaveToStream(bytes, true);
        Member(member) = bytes.data();
    }
    static qsizetype RecordAt(const QByteArray& file, const QString& member) {
        qsizetype position = 76;
        while (position + 44 <= file.size()) {
            if (FieldText(file.constData() + position, 32) == member.toLatin1())
                return position;
            position += 44 + qFromLittleEndian<quint32>(file.constData() + position + 40);
        }
        return -1;
    }

    Members FMembers;
    std::vector<std::function<void(QByteArray&)>> FFileEdits;
};
