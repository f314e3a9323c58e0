#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

class TVESKCustomFile;

// A package file's structure as plain data, with what the loader tolerates
// without a word: offsets that are not the running sum of the compressed
// sizes, member bytes that do not inflate, stored sizes that do not match
// the content, bytes after the last member, names that differ only in the
// case of ASCII letters.

struct TContainerMemberReport {
    QString Name;
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
    std::uint32_t CompressedSize = 0;
    // Where the member's bytes begin in the data area: the running sum a
    // writer must store as the offset.
    std::uint32_t ExpectedOffset = 0;
    // The length the member's own bytes inflate to; none when they are not
    // one complete zlib stream within the container's member bound.
    std::optional<qint64> InflatedSize;
    // The first earlier member of the same name, or -1.
    int SameNameAs = -1;
};

struct TContainerReport {
    enum class TState { Package, NotPackage, Truncated };
    TState State = TState::NotPackage;
    // Why the file is not a package, in a few words.
    QString NotPackageReason;
    std::uint32_t DeclaredCount = 0;
    // The whole records in file order; up to the cut for a truncated file.
    std::vector<TContainerMemberReport> Members;
    qint64 TrailingBytes = 0;
};

// Loads the file into package (answering as LoadFromStream does, without
// raising) and reports on the file's own records, read apart from the
// loader: it takes each member from its own bytes and drops later twins,
// which a report must still see.
TContainerReport InspectContainer(const QByteArray& file, TVESKCustomFile& package);

// The length a zlib stream inflates to, read in pieces so nothing of its
// size is held; none for a damaged, unfinished or over-long stream.
std::optional<qint64> InflatedLength(const QByteArray& stream, qint64 limit);
