// The rules on the package's other members: parent codes, colour schemes
// and the bitmaps' file format.

#include <QBuffer>
#include <QImageReader>

#include "check/SkinRules.h"
#include "storage/QXSPFile.h"
#include "text/VESKIntParse.h"

namespace {

const QString kParent = QStringLiteral("PARENT");
const QString kThemes = QStringLiteral("SKIN_THEMES");
constexpr QRgb kKeyColor = 0xFFFF00FF;

// Every entry of a document's section as key and value.
std::vector<std::pair<QString, QString>> SectionEntries(TSkinProject& document,
                                                        const QString& section) {
    std::vector<std::pair<QString, QString>> entries;
    const int index = document.FindSection(section);
    const TVESKStringListW* keys = index >= 0 ? document.Sections.Objects(index) : nullptr;
    for (int i = 0; keys && i < keys->Count(); ++i)
        entries.emplace_back(keys->Names(i), keys->Strings(i));
    return entries;
}

void CheckParentCodes(TSkinProject* parents, TSkinWindow window, const QString& member,
                      TFindings& findings) {
    if (!parents)
        return;
    for (const auto& [name, code] : SectionEntries(*parents, kParent)) {
        const TSkinElement* element = FindSkinElement(window, name);
        if (!element || !ParentContainer(window, code).isEmpty())
            continue;
        // The tray's button bar is the panel an empty code stands for.
        if (window == TSkinWindow::Tray && code.isEmpty())
            continue;
        const QString fallback = window == TSkinWindow::Tray ? QStringLiteral("TrayCtrl")
                                                             : QLatin1String(element->Parent);
        findings.push_back({TRuleId::ParentUnknownCode, member, kParent, name, code,
                            QLatin1String(element->Name), {code, fallback}});
    }
}

// Pixels an image editor made see-through with an alpha channel, which the
// player does not read: only the key colour lets the window through. The
// package loader's decoder keeps every pixel opaque, as the player does;
// Qt's own reader tells what the alpha channel meant.
qint64 AlphaOnlyTransparentPixels(const QByteArray& bytes) {
    QBuffer stream;
    stream.setData(bytes);
    stream.open(QIODevice::ReadOnly);
    QImageReader reader(&stream, "bmp");
    reader.setAllocationLimit(int(MaxBmpPixelBytes >> 20));
    const QImage image = reader.read();
    if (!image.hasAlphaChannel())
        return 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 count = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) < 128 && (line[x] | 0xFF000000u) != kKeyColor)
                ++count;
    }
    return count;
}

} // namespace

void CheckParents(const TCheckedSkin& skin, TFindings& findings) {
    CheckParentCodes(skin.Parents.get(), TSkinWindow::Main, QStringLiteral("parent.ini"), findings);
    CheckParentCodes(skin.TrayParents.get(), TSkinWindow::Tray, QStringLiteral("tray_parent.ini"),
                     findings);
}

void CheckSchemes(const TCheckedSkin& skin, TFindings& findings) {
    TSkinProject* main = skin.Document(TSkinWindow::Main);
    if (!main)
        return;
    const auto readInteger = [&](const QString& key) -> std::optional<int> {
        if (!main->ValueExists(kThemes, key))
            return 0;
        const QString text = main->ReadString(kThemes, key, QString());
        const auto value = TryStrToInt(text);
        if (!value)
            findings.push_back({TRuleId::SchemeUnreadable, QStringLiteral("main.ini"), kThemes, key,
                                text});
        return value;
    };
    const int count = readInteger(QStringLiteral("Count")).value_or(0);
    for (int i = 1; i <= std::min(count, TQXSPCustomFile::MaxThemeCount - 1); ++i)
        readInteger(QStringLiteral("Theme%1").arg(i));
}

void CheckBitmaps(TCheckedSkin& skin, TFindings& findings) {
    for (int i = 0; i < skin.Package.Count(); ++i) {
        const QString name = skin.Package.ItemName(i);
        if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            continue;
        const auto bytes = skin.Member(name);
        // An emptied icon strip is how the menu page stores "no icons".
        if (!bytes || (bytes->isEmpty() && name.compare(QLatin1String("imglist.bmp"),
                                                        Qt::CaseInsensitive) == 0))
            continue;
        QString reason;
        const auto decoded = DecodeBitmapMember(*bytes, name, &reason);
        if (!decoded) {
            findings.push_back({TRuleId::MemberUnreadable, name, {}, {}, {}, {}, {reason}});
            continue;
        }
        const int bits = decoded->Info.BitCount;
        const qint64 seeThrough = bits == 32 ? AlphaOnlyTransparentPixels(*bytes) : 0;
        if (seeThrough > 0)
            findings.push_back({TRuleId::BitmapNoKeyColour, name, {}, {}, {}, {},
                                {QString::number(seeThrough), QString::number(bits)}});
        else if (bits != 24)
            findings.push_back(
                {TRuleId::BitmapDepth, name, {}, {}, {}, {}, {QString::number(bits)}});
    }
}
