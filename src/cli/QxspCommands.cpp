#include "cli/QxspCommands.h"

#include <memory>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "cli/QxspCommandTable.h"
#include "cli/QxspErrors.h"
#include "cli/QxspManifest.h"
#include "cli/QxspPackageIO.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKMemberNames.h"
#include "storage/VESKStreams.h"

namespace {

void ExpectArgs(const QStringList& args, int count, const char* command) {
    if (args.size() != count)
        ThrowUsage(command);
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

constexpr int kNameSize = int(sizeof(TVESKFileItem::Name));

// A name going into a package must come out of it as the same file again:
// stored whole (the field holds 32 code page characters), in the code page,
// and one that unpack would write.
void CheckNewMemberName(const QString& where, const QString& name) {
    const QByteArray stored = WideToAnsi(name);
    if (!IsSafeMemberFileName(name) || name == QLatin1String(QxspManifest::FileName) ||
        stored.contains('\0'))
        throw QxspFailure(QStringLiteral("%1: refusing member name \"%2\"").arg(where, name));
    if (AnsiToWide(stored) != name)
        throw QxspFailure(
            QStringLiteral("%1: member name \"%2\" has characters the package cannot store")
                .arg(where, name));
    if (stored.size() > kNameSize)
        throw QxspFailure(QStringLiteral("%1: member name \"%2\" is longer than %3 characters")
                              .arg(where, name)
                              .arg(kNameSize));
}

// A package loaded with members dropped (a second one of a name) would be
// written back without them: commands that rewrite or unpack refuse it.
void RefuseDroppedMembers(const QString& file, const TVESKCustomFile& package) {
    if (const TLoadProblem* twin = package.Problems.FirstOf(TProblemKind::DuplicateName))
        throw QxspFailure(
            QStringLiteral("%1: refusing duplicate member name \"%2\"").arg(file, twin->Member));
}

QString Column(const QString& text, int width) {
    return width < 0 ? text.leftJustified(-width) : text.rightJustified(width);
}

} // namespace

void CmdList(const QStringList& args, QxspContext& context) {
    ExpectArgs(args, 1, "list");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);
    QTextStream& out = context.out;
    out << "Skin:    " << HeaderText(package.Header.SkinName) << '\n';
    out << "Author:  " << HeaderText(package.Header.Author) << '\n';
    out << "Members: " << package.Count() << '\n';
    // Names are laid out by hand: a name holding "%2" must not be taken for
    // a place of the next column.
    out << Column(QStringLiteral("name"), -32) << ' ' << Column(QStringLiteral("size"), 10) << ' '
        << Column(QStringLiteral("compressed"), 10) << ' ' << Column(QStringLiteral("offset"), 10)
        << '\n';
    for (int i = 0; i < package.Count(); ++i) {
        const TVESKFileItem* item = package.Items(i);
        out << Column(package.ItemName(i), -32) << ' ' << Column(QString::number(item->Size), 10)
            << ' ' << Column(QString::number(item->CompressedSize), 10) << ' '
            << Column(QString::number(item->Offset), 10) << '\n';
    }
    for (const QString& line : package.Problems.Lines())
        context.err << "qxsp: " << args[0] << ": warning: " << line << '\n';
}

void CmdExtract(const QStringList& args, QxspContext& context) {
    QStringList rest = args;
    QString outPath;
    const qsizetype flag = rest.indexOf(QStringLiteral("-o"));
    if (flag >= 0) {
        if (flag + 1 >= rest.size())
            ThrowUsage("extract");
        outPath = rest[flag + 1];
        rest.remove(flag, 2);
    }
    ExpectArgs(rest, 2, "extract");
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
    ExpectArgs(args, 3, "add");
    TVESKCustomFile package;
    if (QFileInfo::exists(args[0]))
        LoadPackageFile(args[0], package);
    else
        LoadEmptyPackage(package);
    RefuseDroppedMembers(args[0], package);
    const QString& name = args[1];
    CheckNewMemberName(args[0], name);
    // Replacing a member is what add is for; replacing one that only looks
    // alike by letter case would lose it without a word.
    if (const int same = package.IndexOf(name); same >= 0 && package.ItemName(same) != name)
        throw QxspFailure(QStringLiteral("%1: \"%2\" would replace member \"%3\" (names are "
                                         "compared ignoring letter case)")
                              .arg(args[0], name, package.ItemName(same)));
    auto source = NewMemoryStream(ReadWholeFile(args[2]));
    package.AddFile(name, source.get());
    SavePackageFile(args[0], package);
}

void CmdRemove(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 2, "remove");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);
    RefuseDroppedMembers(args[0], package);
    const int before = package.Count();
    package.RemoveFile(args[1]);
    if (package.Count() == before)
        throw QxspFailure(QStringLiteral("%1: no member \"%2\"").arg(args[0], args[1]));
    SavePackageFile(args[0], package);
}

void CmdUnpack(const QStringList& args, QxspContext&) {
    ExpectArgs(args, 2, "unpack");
    TVESKCustomFile package;
    LoadPackageFile(args[0], package);
    RefuseDroppedMembers(args[0], package);

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
    ExpectArgs(args, 2, "pack");
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
    // Every name is checked before anything is read: a package that would
    // lose or merge members is not written at all.
    QHash<QString, QString> seen;
    for (const QString& name : manifest.Members) {
        CheckNewMemberName(manifestPath, name);
        const QString folded = AsciiUpper(name);
        if (seen.contains(folded))
            throw QxspFailure(QStringLiteral("%1: member names \"%2\" and \"%3\" collide (names "
                                             "are compared ignoring letter case)")
                                  .arg(manifestPath, seen.value(folded), name));
        seen.insert(folded, name);
    }
    for (const QString& name : manifest.Members) {
        auto source = NewMemoryStream(ReadWholeFile(dir.filePath(name)));
        package.AddFile(name, source.get());
    }
    SavePackageFile(args[1], package);
}
