#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "storage/LoadProblems.h"

// The package file: a 76-byte header followed by member records, each a
// 44-byte record and the member's zlib stream. All integers little-endian.

#pragma pack(push, 1)
struct TVESKFileHeader {
    char Magic[4];        // "QXSP", no terminator
    std::uint8_t Version; // 0
    char SkinName[32];    // zero-terminated when shorter than 32
    char Author[32];      // same rules as SkinName
    std::uint8_t Padding[3];
    std::uint32_t Count; // number of member records that follow
};

struct TVESKFileItem {
    char Name[32];        // zero-terminated when shorter than 32
    std::uint32_t Offset; // running sum of the compressed sizes before it
    std::uint32_t Size;   // length before compression
    std::uint32_t CompressedSize;
};
#pragma pack(pop)

static_assert(sizeof(TVESKFileHeader) == 76);
static_assert(sizeof(TVESKFileItem) == 44);

// A name field as text: up to its first zero byte, at most 32 characters.
QByteArray FieldText(const char* field, int size);
// Copies at most size characters and a terminator when there is room.
void SetFieldText(char* field, int size, const QByteArray& text);

// The package container: reads a whole package into memory (compressed),
// lets members be listed, extracted, added, replaced and removed, and writes
// it again. Member names are 8-bit code page text compared ignoring the case
// of ASCII letters only.
class TVESKCustomFile {
public:
    // A member may not inflate past this: a few bytes of a hostile package
    // must not claim gigabytes of memory.
    static constexpr qint64 MaxMemberSize = qint64(256) * 1024 * 1024;

    TVESKCustomFile() = default;
    // Calls Close and ClearItems of this class: a descendant that loads
    // objects of its own frees them in its own destructor.
    virtual ~TVESKCustomFile();
    TVESKCustomFile(const TVESKCustomFile&) = delete;
    TVESKCustomFile& operator=(const TVESKCustomFile&) = delete;

    virtual bool CheckVersion(std::uint8_t version);
    virtual std::uint8_t GetVersion();
    // The inflated member, positioned at 0, or null when the member is
    // missing, no data area exists, or its bytes are not one complete zlib
    // stream within MaxMemberSize.
    virtual std::unique_ptr<QBuffer> ExtractFile(const QString& name);
    // As ExtractFile; a member that is there but cannot be inflated is also
    // added to Problems, with action as what the caller does instead.
    std::unique_ptr<QBuffer> ExtractReported(const QString& name, const QString& action);
    // False for input that is not a package; raises EReadError when a record
    // or member is cut short. Another writer's package may store offsets
    // that are not where a member's bytes are: each member is read from
    // where its bytes follow its record. Of members of the same name (ASCII
    // case ignored) the first stays, as the player reads it; the others are
    // dropped so nothing can stand in front of a member the editor writes.
    // Both are added to Problems.
    virtual bool LoadFromStream(QIODevice& source);
    virtual void Close();
    // Raises EReadError, before writing anything, when a record's bytes are
    // no longer in the data area (after Close).
    virtual void SaveToStream(QIODevice& destination);

    void Reset();
    int Count() const;
    // The index of the first member of that name, or -1.
    int IndexOf(const QString& name) const;
    const TVESKFileItem* Items(int index) const;
    // Names are looked up as a record stores them (cut to 32 characters).
    // A source larger than MaxMemberSize raises EOutOfMemory.
    void AddFile(const QString& name, QIODevice* source);
    void RemoveFile(const QString& name);
    // An index outside the table is ignored.
    void DeleteItem(int index);
    void ClearItems();

    // Convenience over Items(): the member's name as wide text.
    QString ItemName(int index) const;

    // The member table and data area as they stand, so they can be put back
    // exactly, member order included. The bytes are shared, not copied,
    // until either side changes.
    struct TMemberState {
        QByteArray Data;
        std::vector<TVESKFileItem> Items;
        bool HasData = false;
        bool HasItems = false;
        bool operator==(const TMemberState& other) const;
    };
    TMemberState MemberState() const;
    void RestoreMembers(const TMemberState& state);

    TVESKFileHeader Header{};
    // What the last load found wrong and how it was taken instead; emptied
    // by Reset. Loaders of members add theirs.
    TLoadProblems Problems;

protected:
    // The inflated member; null with reason empty when there is no such
    // member, with the reason when its bytes cannot be inflated.
    std::unique_ptr<QBuffer> Inflated(const QString& name, QString& reason);
    void TakeMember(std::unique_ptr<TVESKFileItem> item, const QByteArray& bytes);

    // Absent until the first Reset, as the member table is.
    std::unique_ptr<QBuffer> FData;
    std::unique_ptr<std::vector<std::unique_ptr<TVESKFileItem>>> FItems;
};
