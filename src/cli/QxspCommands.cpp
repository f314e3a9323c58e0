#include "cli/QxspCommands.h"

#include <memory>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "cli/QxspErrors.h"
#include "cli/QxspManifest.h"
#include "cli/QxspPackageIO.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKMemberNames.h"
#include "storage/VESKStreams.h"

namespace {

void ExpectArgs(const QStringList& args, int count, const char* synopsis) {
    if (args.size() != count)
        throw QxspUsageError(QStringLiteral("usage: qxsp %1").arg(QLatin1String(synopsis)));
}

QString HeaderText(const char* field) {
    return AnsiToWide(FieldText(field, 32));
}

// A package needs a loaded container before members can be added: an
// in-memory empty package is exactly 76 header bytes with no members.
void LoadEmptyPackage(TVESKCustomFile& package) {
    QByteArray empty(int(sizeof(TVESKFileHeader)), '\0');
    memcpy(empty.data(), "QXSP", 4);
    QBuffer buffer(&empty);
    buffer.open(QIODevice::ReadOnly);
    package.LoadFromStream(buffer);
}

std::unique_ptr<QBuffer> ExtractOrFail(TVESKCustomFile& package, const QString& name,
                                       const QString& file) {
    auto stream = package.ExtractFile(name);
    if (!stream)
        throw QxspFailure(
            QStringLiteral("%1: member \"%2\" is missing or damaged").arg(file, name));
    return stream;
}

// Member names match ignoring the case of ASCII letters only, as the
// container compares them.
QString AsciiUpper(const QString& name) {
    QString folded = name;
    for (QChar& c : folded)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return folded;
}

} // namespace

QString QxspUsage() {
    return QStringLiteral(
        "qxsp: read and write .qxsp skin packages\n"
        "\n"
        "usage:\n"
        "  qxsp list FILE                  header texts and one line per member\n"
        "  qxsp extract FILE MEMBER [-o OUT]\n"
        "                                  a member's bytes, to standard output or OUT\n"
        "  qxsp add FILE NAME SOURCE       add or replace a member (creates FILE if missing)\n"
        "  qxsp remove FILE NAME           remove a member\n"
        "  qxsp unpack FILE DIR            every member as a file in DIR, with a manifest\n"
        "  qxsp pack DIR FILE              the reverse of unpack\n"
        "  qxsp --help                     this text\n"
        "\n"
        "Exit status: 0 success, 1 bad input, 2 bad usage. An output file is replaced\n"
        "only when it has been written completely.\n");
}

void CmdList(const QStringList& args, QxspContext& context) {
    ExpectArgs(args, 1, "list FILE");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);
    QTextStream& out = context.out;
    out << "Skin:    " << HeaderText(package.Header.SkinName) << '\n';
    out << "Author:  " << HeaderText(package.Header.Author) << '\n';
    out << "Members: " << package.Count() << '\n';
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("name"), -32)
               .arg(QStringLiteral("size"), 10)
               .arg(QStringLiteral("compressed"), 10)
               .arg(QStringLiteral("offset"), 10);
    for (int i = 0; i < package.Count(); ++i) {
        const TVESKFileItem* item = package.Items(i);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(package.ItemName(i), -32)
                   .arg(item->Size, 10)
                   .arg(item->CompressedSize, 10)
                   .arg(item->Offset, 10);
    }
}

void CmdExtract(const QStringList& args, QxspContext& context) {
    QStringList rest = args;
    QString outPath;
    const qsizetype flag = rest.indexOf(QStringLiteral("-o"));
    if (flag >= 0) {
        if (flag + 1 >= rest.size())
            throw QxspUsageError(QStringLiteral("usage: qxsp extract FILE MEMBER [-o OUT]"));
        outPath = rest[flag + 1];
        rest.remove(flag, 2);
    }
    ExpectArgs(rest, 2, "extract FILE MEMBER [-o OUT]");
    TVESKCustomFile package;
    LoadPackageFile(rest[0], package);
    const QByteArray bytes = ExtractOrFail(package, rest[1], rest[0])->data();
    if (outPath.isEmpty()) {
        context.out.flush();
        if (context.rawOut.write(bytes) != bytes.size())
            throw QxspFailure(QStringLiteral("cannot write to standard output"));
    } else {
        WriteWholeFile(outPath, bytes);
    }
}

void CmdAdd(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 3, "add FILE NAME SOURCE");
    TVESKCustomFile package;
    if (QFileInfo::exists(args[0]))
        LoadPackageFile(args[0], package);
    else
        LoadEmptyPackage(package);
    auto source = NewMemoryStream(ReadWholeFile(args[2]));
    package.AddFile(args[1], source.get());
    SavePackageFile(args[0], package);
}

void CmdRemove(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 2, "remove FILE NAME");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);
    const int before = package.Count();
    package.RemoveFile(args[1]);
    if (package.Count() == before)
        throw QxspFailure(QStringLiteral("%1: no member \"%2\"").arg(args[0], args[1]));
    SavePackageFile(args[0], package);
}

void CmdUnpack(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 2, "unpack FILE DIR");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);

    QxspManifest manifest;
    manifest.SkinName = HeaderText(package.Header.SkinName);
    manifest.Author = HeaderText(package.Header.Author);
    QSet<QString> seen;
    for (int i = 0; i < package.Count(); ++i) {
        const QString name = package.ItemName(i);
        if (!IsSafeMemberFileName(name) || name == QLatin1String(QxspManifest::FileName))
            throw QxspFailure(QStringLiteral("%1: refusing member name \"%2\"").arg(args[0], name));
        // A second member of the same name can be neither extracted by name
        // nor packed again: unpacking it would silently write the first
        // member's bytes in its place.
        const QString folded = AsciiUpper(name);
        if (seen.contains(folded))
            throw QxspFailure(
                QStringLiteral("%1: refusing duplicate member name \"%2\"").arg(args[0], name));
        seen.insert(folded);
        manifest.Members << name;
    }
    // Check every member before writing any file, so a damaged package
    // leaves no half-unpacked folder behind.
    std::vector<QByteArray> contents;
    for (const QString& name : manifest.Members)
        contents.push_back(ExtractOrFail(package, name, args[0])->data());

    const QDir dir(args[1]);
    if (!QDir().mkpath(args[1]))
        throw QxspFailure(QStringLiteral("cannot create folder %1").arg(args[1]));
    for (qsizetype i = 0; i < manifest.Members.size(); ++i)
        WriteWholeFile(dir.filePath(manifest.Members[i]), contents[std::size_t(i)]);
    WriteWholeFile(dir.filePath(QLatin1String(QxspManifest::FileName)), manifest.ToText());
}

void CmdPack(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 2, "pack DIR FILE");
    const QDir dir(args[0]);
    if (!dir.exists())
        throw QxspFailure(QStringLiteral("no folder %1").arg(args[0]));

    QxspManifest manifest;
    const QString manifestPath = dir.filePath(QLatin1String(QxspManifest::FileName));
    if (QFileInfo::exists(manifestPath)) {
        manifest = QxspManifest::FromText(ReadWholeFile(manifestPath));
    } else {
        manifest.Members = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TVESKCustomFile package;
    LoadEmptyPackage(package);
    SetFieldText(package.Header.SkinName, 32, WideToAnsi(manifest.SkinName));
    SetFieldText(package.Header.Author, 32, WideToAnsi(manifest.Author));
    for (const QString& name : manifest.Members) {
        if (!IsSafeMemberFileName(name))
            throw QxspFailure(
                QStringLiteral("%1: refusing member name \"%2\"").arg(manifestPath, name));
        auto source = NewMemoryStream(ReadWholeFile(dir.filePath(name)));
        package.AddFile(name, source.get());
    }
    SavePackageFile(args[1], package);
}
