#include "check/CheckedSkin.h"

#include <QBuffer>
#include <QFontDatabase>

#include "check/SkinRules.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"

namespace {

const char* const kRequiredMembers[] = {"main.ini", "main.bmp", "parent.ini"};
// Members the editor completes from its own templates when they are missing.
const char* const kTemplateMembers[] = {"equa.ini", "equa.bmp", "tray.ini", "tray.bmp"};

bool HasMember(const TVESKCustomFile& package, const QString& name) {
    for (int i = 0; i < package.Count(); ++i)
        if (package.ItemName(i).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::unique_ptr<TSkinProject> ReadDocument(TCheckedSkin& skin, const QString& member,
                                           TFindings& findings) {
    const std::optional<QByteArray> bytes = skin.Member(member);
    if (!bytes)
        return nullptr;
    auto document = std::make_unique<TSkinProject>();
    QBuffer stream;
    stream.setData(*bytes);
    stream.open(QIODevice::ReadOnly);
    try {
        document->LoadFromStream(stream);
    } catch (const EVESKError& error) {
        findings.push_back({TRuleId::MemberUnreadable, member, {}, {}, {}, {}, {error.message()}});
        return nullptr;
    }
    return document;
}

void ReadMembers(TCheckedSkin& skin, TFindings& findings) {
    for (const char* name : kRequiredMembers)
        if (!HasMember(skin.Package, QLatin1String(name)))
            findings.push_back({TRuleId::MemberMissing, QLatin1String(name)});
    for (const char* name : kTemplateMembers)
        if (!HasMember(skin.Package, QLatin1String(name)))
            findings.push_back({TRuleId::MemberTemplate, QLatin1String(name)});

    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
        const TSkinWindowMembers members = SkinWindowMembers(window);
        skin.Documents[int(window)] = ReadDocument(skin, QLatin1String(members.Ini), findings);
        // Bitmaps that do not decode are reported with the bitmap rules.
        if (const auto bytes = skin.Member(QLatin1String(members.Bitmap)))
            if (const auto decoded = DecodeBitmapMember(*bytes, QLatin1String(members.Bitmap)))
                skin.Bitmaps[int(window)] = decoded->Image;
    }
    skin.Parents = ReadDocument(skin, QStringLiteral("parent.ini"), findings);
    skin.TrayParents = ReadDocument(skin, QStringLiteral("tray_parent.ini"), findings);

    for (int i = 0; i < skin.Package.Count(); ++i) {
        const QString name = skin.Package.ItemName(i);
        if (!IsFontMemberName(name))
            continue;
        const auto bytes = skin.Member(name);
        const int id = bytes ? QFontDatabase::addApplicationFontFromData(*bytes) : -1;
        if (id < 0)
            continue;
        skin.PackageFaces << QFontDatabase::applicationFontFamilies(id);
        QFontDatabase::removeApplicationFont(id);
    }
}

} // namespace

std::optional<QByteArray> TCheckedSkin::Member(const QString& name) {
    const auto stream = Package.ExtractFile(name);
    if (!stream)
        return std::nullopt;
    return stream->data();
}

std::optional<TBmpDecoded> DecodeBitmapMember(const QByteArray& bytes, const QString& name,
                                              QString* reason) {
    try {
        return DecodeBmp(bytes, name);
    } catch (const EBadBitmap& error) {
        if (reason)
            *reason = error.Reason;
        return std::nullopt;
    }
}

TFindings CheckSkinBytes(const QByteArray& bytes, const TSkinCheckOptions& options) {
    TFindings findings;
    TCheckedSkin skin;
    skin.Bytes = bytes;
    skin.Container = InspectContainer(bytes, skin.Package);
    CheckContainer(skin, findings);
    if (skin.Container.State != TContainerReport::TState::Package)
        return findings;

    ReadMembers(skin, findings);
    const auto faceAvailable = [&skin, &options](const QString& face) {
        if (skin.PackageFaces.contains(face, Qt::CaseInsensitive))
            return true;
        return !options.FaceInstalled || options.FaceInstalled(face);
    };
    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
        CheckWindow(skin, window, faceAvailable, findings);
    CheckParents(skin, findings);
    CheckSchemes(skin, findings);
    CheckBitmaps(skin, findings);
    if (options.PreviewRules)
        options.PreviewRules(skin, findings);
    return findings;
}
