#include "storage/VESKCustomFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include <zlib.h>

#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"

namespace {

constexpr char kMagic[] = "QXSP";
constexpr int kNameSize = sizeof(TVESKFileItem::Name);
// Offsets and sizes are 32-bit fields: the data area may never outgrow them.
constexpr qint64 kMaxDataArea = std::numeric_limits<std::uint32_t>::max();

qint64 RoundUp256(qint64 value) {
    return (value + 255) / 256 * 256;
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Only the ASCII letters fold: the player compares names byte by byte
// otherwise, so "Шрифт" and "шрифт" are two different members.
bool SameName(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (FoldAscii(a.at(i)) != FoldAscii(b.at(i)))
            return false;
    return true;
}

// The name as a record would hold it: code page text cut at a zero and at
// the field's width. Looking members up by this form means a name too long
// for the field still finds, and replaces, the member it was stored as.
QByteArray StoredName(const QString& name) {
    const QByteArray ansi = WideToAnsi(name);
    return FieldText(ansi.constData(), int(std::min<qsizetype>(ansi.size(), kNameSize)));
}

bool Addressable(const TVESKFileItem& item, qint64 dataSize) {
    return qint64(item.Offset) + qint64(item.CompressedSize) <= dataSize;
}

QByteArray ReadDataAt(QBuffer& data, const TVESKFileItem& item) {
    if (!Addressable(item, data.size()) || !data.seek(item.Offset))
        throw EReadError();
    return ReadBytes(data, item.CompressedSize);
}

void AppendData(QBuffer& data, const QByteArray& bytes) {
    if (data.size() + bytes.size() > kMaxDataArea)
        throw EOutOfMemory();
    try {
        data.seek(data.size());
        WriteBuffer(data, bytes.constData(), bytes.size());
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
}

// One deflate call at level 9 with zlib's default window and memory level;
// the room starts at a bound that fits nearly any input, so it rarely grows.
QByteArray Compress(const QByteArray& input) {
    z_stream zs{};
    if (deflateInit(&zs, 9) != Z_OK)
        throw EOutOfMemory();
    QByteArray output;
    try {
        output.resize(RoundUp256(input.size() + input.size() / 10 + 12));
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
        zs.avail_in = uInt(input.size());
        for (;;) {
            zs.next_out = reinterpret_cast<Bytef*>(output.data()) + zs.total_out;
            zs.avail_out = uInt(output.size() - qint64(zs.total_out));
            const int status = deflate(&zs, Z_FINISH);
            if (status == Z_STREAM_END)
                break;
            // Any other status than "needs more room" would never reach the
            // end of the stream; stop rather than spin.
            if ((status != Z_OK && status != Z_BUF_ERROR) || zs.avail_out != 0)
                throw EOutOfMemory();
            output.resize(output.size() + 256);
        }
    } catch (const std::bad_alloc&) {
        deflateEnd(&zs);
        throw EOutOfMemory();
    } catch (...) {
        deflateEnd(&zs);
        throw;
    }
    output.resize(qsizetype(zs.total_out));
    deflateEnd(&zs);
    return output;
}

enum class TInflate { Done, Damaged, TooLarge };

// Inflates one complete zlib stream, growing the room by the compressed size
// (rounded up) each time. A stream that is damaged, ends early or would
// inflate past the limit is no result: to the caller that is a missing member.
TInflate Decompress(const QByteArray& input, qint64 limit, QByteArray& output) {
    if (input.isEmpty())
        return TInflate::Damaged;
    const qint64 step = RoundUp256(input.size());
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return TInflate::Damaged;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    zs.avail_in = uInt(input.size());
    bool complete = false;
    bool tooLarge = false;
    try {
        // One byte of room beyond the limit tells a stream of exactly the
        // limit from one that goes on.
        qint64 room = std::min(step, limit + 1);
        output.resize(room);
        for (;;) {
            zs.next_out = reinterpret_cast<Bytef*>(output.data()) + zs.total_out;
            zs.avail_out = uInt(room - qint64(zs.total_out));
            const int status = inflate(&zs, Z_NO_FLUSH);
            if (status == Z_STREAM_END) {
                complete = qint64(zs.total_out) <= limit;
                tooLarge = !complete;
                break;
            }
            if (status != Z_OK && status != Z_BUF_ERROR)
                break; // damaged data, a preset dictionary, no memory
            if (zs.avail_out != 0)
                break; // all input used up and the stream has not ended
            if (room > limit) {
                tooLarge = true; // the bomb case: full beyond the limit
                break;
            }
            room = std::min(room + step, limit + 1);
            if (room > output.capacity())
                output.reserve(std::min(std::max(room, 2 * output.capacity()), limit + 1));
            output.resize(room);
        }
    } catch (const std::bad_alloc&) {
        complete = false;
        tooLarge = true;
    }
    if (complete)
        output.resize(qsizetype(zs.total_out));
    else
        output.clear();
    inflateEnd(&zs);
    return complete ? TInflate::Done : tooLarge ? TInflate::TooLarge : TInflate::Damaged;
}

} // namespace

QByteArray FieldText(const char* field, int size) {
    const char* end = static_cast<const char*>(std::memchr(field, 0, size_t(size)));
    return QByteArray(field, end ? int(end - field) : size);
}

void SetFieldText(char* field, int size, const QByteArray& text) {
    std::memset(field, 0, size_t(size));
    std::memcpy(field, text.constData(), size_t(std::min<qsizetype>(text.size(), size)));
}

TVESKCustomFile::~TVESKCustomFile() {
    // From a destructor these reach this class's versions only; a descendant
    // frees its own loaded objects in its own destructor.
    Close();
    ClearItems();
}

bool TVESKCustomFile::CheckVersion(std::uint8_t version) {
    return version == 0;
}

std::uint8_t TVESKCustomFile::GetVersion() {
    return 0;
}

std::unique_ptr<QBuffer> TVESKCustomFile::ExtractFile(const QString& name) {
    QString unused;
    return Inflated(name, unused);
}

std::unique_ptr<QBuffer> TVESKCustomFile::ExtractReported(const QString& name,
                                                          const QString& action) {
    QString reason;
    auto stream = Inflated(name, reason);
    if (!stream && !reason.isEmpty())
        Problems.Add(name, reason, action);
    return stream;
}

std::unique_ptr<QBuffer> TVESKCustomFile::Inflated(const QString& name, QString& reason) {
    const int index = IndexOf(name);
    if (!FData || index < 0)
        return nullptr;
    const TVESKFileItem& item = *Items(index);
    // Members added or loaded always lie in the data area; a record changed
    // from outside may not.
    if (!Addressable(item, FData->size())) {
        reason = QStringLiteral("its bytes lie outside the package");
        return nullptr;
    }
    QByteArray inflated;
    switch (Decompress(ReadDataAt(*FData, item), MaxMemberSize, inflated)) {
    case TInflate::Done:
        return NewMemoryStream(inflated);
    case TInflate::TooLarge:
        reason = QStringLiteral("it inflates past %1 MiB").arg(MaxMemberSize >> 20);
        return nullptr;
    case TInflate::Damaged:
        break;
    }
    reason = QStringLiteral("its compressed bytes are damaged");
    return nullptr;
}

int TVESKCustomFile::IndexOf(const QString& name) const {
    const QByteArray wanted = StoredName(name);
    for (int i = 0; i < Count(); ++i)
        if (SameName(FieldText(Items(i)->Name, kNameSize), wanted))
            return i;
    return -1;
}

bool TVESKCustomFile::LoadFromStream(QIODevice& source) {
    Reset();

    // Work on a private copy of the whole input, wherever the source stands.
    source.seek(0);
    auto input = NewMemoryStream(source.readAll());

    const qint64 headerRead = input->read(reinterpret_cast<char*>(&Header), sizeof Header);
    if (headerRead < qint64(sizeof Header))
        return false;
    if (FieldText(Header.Magic, sizeof Header.Magic) != kMagic)
        return false;
    if (!CheckVersion(Header.Version))
        return false;
    // The product is taken in 32 bits as the player does; a count that wraps
    // it passes here but still cannot make the loop below read or allocate
    // more than the input holds.
    if (input->size() < qint64(std::uint32_t(44u * Header.Count)))
        return false;

    const std::uint32_t declared = Header.Count;
    try {
        for (std::uint32_t i = 0; i < declared; ++i) {
            auto item = std::make_unique<TVESKFileItem>();
            ReadBuffer(*input, item.get(), sizeof(TVESKFileItem));
            // ReadBytes refuses a size beyond the remaining input before it
            // allocates anything.
            const QByteArray bytes = ReadBytes(*input, item->CompressedSize);
            TakeMember(std::move(item), bytes);
        }
    } catch (...) {
        Header.Count = std::uint32_t(Count());
        throw;
    }
    Header.Count = std::uint32_t(Count());
    return true;
}

void TVESKCustomFile::TakeMember(std::unique_ptr<TVESKFileItem> item, const QByteArray& bytes) {
    const QString name = AnsiToWide(FieldText(item->Name, kNameSize));
    if (const int twin = IndexOf(name); twin >= 0) {
        Problems.Add(name,
                     QStringLiteral("the package already holds a member \"%1\" (names are "
                                    "compared ignoring letter case)")
                         .arg(ItemName(twin)),
                     QStringLiteral("ignored; the first one is used, as the player does"),
                     TProblemKind::DuplicateName);
        return;
    }
    const std::uint32_t at = std::uint32_t(FData->size());
    if (item->Offset != at) {
        Problems.Add(name,
                     QStringLiteral("its stored offset %1 is not where its bytes are (%2)")
                         .arg(item->Offset)
                         .arg(at),
                     QStringLiteral("read from where its bytes are"),
                     TProblemKind::MisplacedOffset);
        item->Offset = at;
    }
    AppendData(*FData, bytes);
    FItems->push_back(std::move(item));
}

void TVESKCustomFile::Close() {
    if (!FData)
        return;
    std::memset(&Header, 0, sizeof Header);
    FData.reset();
}

void TVESKCustomFile::SaveToStream(QIODevice& destination) {
    // Refuse before the first byte is written, so a container whose bytes
    // are gone (after Close) never leaves a half-written package behind.
    for (int i = 0; i < Count(); ++i)
        if (!FData || !Addressable(*Items(i), FData->size()))
            throw EReadError();

    std::memcpy(Header.Magic, kMagic, sizeof Header.Magic);
    Header.Version = GetVersion();
    Header.Count = std::uint32_t(Count());
    WriteBuffer(destination, &Header, sizeof Header);

    std::uint32_t offset = 0;
    for (int i = 0; i < Count(); ++i) {
        TVESKFileItem record = *Items(i);
        const QByteArray bytes = ReadDataAt(*FData, record);
        record.Offset = offset;
        WriteBuffer(destination, &record, sizeof record);
        WriteBuffer(destination, bytes.constData(), bytes.size());
        offset += record.CompressedSize;
    }
}

void TVESKCustomFile::Reset() {
    Close();
    ClearItems();
    Problems.Clear();
    FData = NewMemoryStream();
    FItems = std::make_unique<std::vector<std::unique_ptr<TVESKFileItem>>>();
}

int TVESKCustomFile::Count() const {
    return FItems ? int(FItems->size()) : 0;
}

const TVESKFileItem* TVESKCustomFile::Items(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return (*FItems)[size_t(index)].get();
}

QString TVESKCustomFile::ItemName(int index) const {
    const TVESKFileItem* item = Items(index);
    return item ? AnsiToWide(FieldText(item->Name, kNameSize)) : QString();
}

void TVESKCustomFile::AddFile(const QString& name, QIODevice* source) {
    if (!source)
        return;
    // A container that was never loaded, or was closed, still takes members.
    if (!FItems)
        FItems = std::make_unique<std::vector<std::unique_ptr<TVESKFileItem>>>();
    if (!FData)
        FData = NewMemoryStream();

    RemoveFile(name);

    auto item = std::make_unique<TVESKFileItem>();
    SetFieldText(item->Name, kNameSize, WideToAnsi(name));

    // What could not be extracted again is not taken in either.
    const qint64 size = source->size();
    if (size > MaxMemberSize)
        throw EOutOfMemory();
    const QByteArray compressed = Compress(ReadBytes(*source, size));

    item->CompressedSize = std::uint32_t(compressed.size());
    item->Size = std::uint32_t(size);
    item->Offset = std::uint32_t(FData->size());
    AppendData(*FData, compressed);

    FItems->push_back(std::move(item));
    Header.Count = std::uint32_t(Count());
}

void TVESKCustomFile::RemoveFile(const QString& name) {
    DeleteItem(IndexOf(name));
}

void TVESKCustomFile::DeleteItem(int index) {
    if (index < 0 || index >= Count())
        return;
    FItems->erase(FItems->begin() + index);
    Header.Count = std::uint32_t(Count());
}

TVESKCustomFile::TMemberState TVESKCustomFile::MemberState() const {
    TMemberState state;
    state.HasData = bool(FData);
    if (FData)
        state.Data = FData->data();
    state.HasItems = bool(FItems);
    for (int i = 0; i < Count(); ++i)
        state.Items.push_back(*Items(i));
    return state;
}

void TVESKCustomFile::RestoreMembers(const TMemberState& state) {
    FData.reset();
    if (state.HasData)
        FData = NewMemoryStream(state.Data);
    FItems.reset();
    if (state.HasItems) {
        FItems = std::make_unique<std::vector<std::unique_ptr<TVESKFileItem>>>();
        for (const TVESKFileItem& item : state.Items)
            FItems->push_back(std::make_unique<TVESKFileItem>(item));
    }
    Header.Count = std::uint32_t(Count());
}

bool TVESKCustomFile::TMemberState::operator==(const TMemberState& other) const {
    if (HasData != other.HasData || HasItems != other.HasItems ||
        Items.size() != other.Items.size())
        return false;
    for (size_t i = 0; i < Items.size(); ++i)
        if (std::memcmp(&Items[i], &other.Items[i], sizeof(TVESKFileItem)) != 0)
            return false;
    // Shared bytes are the same bytes; only a copy needs comparing.
    return Data.constData() == other.Data.constData() || Data == other.Data;
}

void TVESKCustomFile::ClearItems() {
    FItems.reset();
}
