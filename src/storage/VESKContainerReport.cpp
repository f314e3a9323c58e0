#include "storage/VESKContainerReport.h"

#include <algorithm>
#include <cstring>

#include <QBuffer>

#include <zlib.h>

#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

constexpr qint64 kHeaderSize = sizeof(TVESKFileHeader);
constexpr qint64 kRecordSize = sizeof(TVESKFileItem);

QString NotPackageReason(const QByteArray& file, const TVESKFileHeader& header) {
    if (file.size() < kHeaderSize)
        return QStringLiteral("%1 bytes, shorter than the 76-byte header").arg(file.size());
    if (FieldText(header.Magic, sizeof header.Magic) != "QXSP")
        return QStringLiteral("it does not begin with \"QXSP\"");
    if (header.Version != 0)
        return QStringLiteral("version %1, only 0 is read").arg(header.Version);
    return QStringLiteral("%1 members declared, more than the file can hold").arg(header.Count);
}

QByteArray AsciiLower(const QByteArray& name) {
    QByteArray folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return folded;
}

} // namespace

std::optional<qint64> InflatedLength(const QByteArray& stream, qint64 limit) {
    z_stream zs{};
    if (stream.isEmpty() || inflateInit(&zs) != Z_OK)
        return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    zs.avail_in = uInt(stream.size());
    char piece[64 * 1024];
    std::optional<qint64> length;
    for (;;) {
        zs.next_out = reinterpret_cast<Bytef*>(piece);
        zs.avail_out = sizeof piece;
        const int status = inflate(&zs, Z_NO_FLUSH);
        if (qint64(zs.total_out) > limit)
            break;
        if (status == Z_STREAM_END) {
            length = qint64(zs.total_out);
            break;
        }
        // Damaged data, or all input used and the stream unfinished.
        if ((status != Z_OK && status != Z_BUF_ERROR) || zs.avail_out != 0)
            break;
    }
    inflateEnd(&zs);
    return length;
}

TContainerReport InspectContainer(const QByteArray& file, TVESKCustomFile& package) {
    TContainerReport report;
    QBuffer input;
    input.setData(file);
    input.open(QIODevice::ReadOnly);
    try {
        report.State = package.LoadFromStream(input) ? TContainerReport::TState::Package
                                                     : TContainerReport::TState::NotPackage;
    } catch (const EReadError&) {
        report.State = TContainerReport::TState::Truncated;
    }
    if (report.State == TContainerReport::TState::NotPackage) {
        report.NotPackageReason = NotPackageReason(file, package.Header);
        return report;
    }

    // The file's own records, twins the loader drops included: offsets are
    // the running sum over all of them.
    TVESKFileHeader header{};
    memcpy(&header, file.constData(), sizeof header);
    report.DeclaredCount = header.Count;
    std::vector<QByteArray> folded;
    qint64 position = kHeaderSize;
    std::uint32_t running = 0;
    for (std::uint32_t i = 0; i < header.Count && position + kRecordSize <= file.size(); ++i) {
        TVESKFileItem item{};
        memcpy(&item, file.constData() + position, sizeof item);
        if (position + kRecordSize + qint64(item.CompressedSize) > file.size())
            break;
        TContainerMemberReport member;
        member.Name = AnsiToWide(FieldText(item.Name, sizeof item.Name));
        member.Offset = item.Offset;
        member.Size = item.Size;
        member.CompressedSize = item.CompressedSize;
        member.ExpectedOffset = running;
        member.InflatedSize = InflatedLength(file.mid(position + kRecordSize, item.CompressedSize),
                                             TVESKCustomFile::MaxMemberSize);
        position += kRecordSize + item.CompressedSize;
        running += item.CompressedSize;

        folded.push_back(AsciiLower(FieldText(item.Name, sizeof item.Name)));
        const auto twin = std::find(folded.begin(), folded.end() - 1, folded.back());
        member.SameNameAs = twin == folded.end() - 1 ? -1 : int(twin - folded.begin());
        report.Members.push_back(member);
    }
    if (report.State == TContainerReport::TState::Package)
        report.TrailingBytes = file.size() - position;
    return report;
}
