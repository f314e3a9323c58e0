#include "compiler/MaskCheck.h"

#include <new>

#include <QBuffer>

#include "compiler/MainMask.h"
#include "compiler/SectionsWriter.h"
#include "controls/PlainPanel.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/SkinPreviewSet.h"
#include "storage/QXSPFile.h"
#include "storage/VESKErrors.h"

namespace {

const QString kMask = QStringLiteral("SKIN_MASK");
const QString kWidths = QStringLiteral("SKIN_WIDTHS");
const QString kMainIni = QStringLiteral("main.ini");
const QString kMaskBmp = QStringLiteral("mask.bmp");

// The values a save writes into "SKIN_MASK": bands from the geometry,
// margins from the mask, bar widths from the skin's own "SKIN_WIDTHS".
std::unique_ptr<TSkinProject> ExpectedMaskKeys(TSkinProject& main, const TMaskGeometry& geometry,
                                               const TMaskMargins& margins) {
    auto expected = std::make_unique<TSkinProject>();
    for (const QString& key : {QStringLiteral("BARSIZE"), QStringLiteral("BARSIZER")})
        if (main.ValueExists(kWidths, key))
            expected->WriteString(kWidths, key, main.ReadString(kWidths, key, QString()));
    WriteMaskRects(*expected, geometry);
    WriteMaskMargins(*expected, margins);
    return expected;
}

void CompareKeys(TSkinProject& main, TSkinProject& expected, TFindings& findings) {
    const int index = expected.FindSection(kMask);
    const TVESKStringListW* keys = index >= 0 ? expected.Sections.Objects(index) : nullptr;
    for (int i = 0; keys && i < keys->Count(); ++i) {
        const QString key = keys->Names(i);
        const QString value = keys->Strings(i);
        const bool stored = main.ValueExists(kMask, key);
        const QString text = main.ReadString(kMask, key, QString());
        if (!stored || text != value)
            findings.push_back({TRuleId::MaskKeys, kMainIni, kMask, key, text, {}, {value}});
    }
}

bool IsCutAway(const QImage& image, int x, int y) {
    return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

void CompareBitmap(TCheckedSkin& skin, const QImage& mask, TFindings& findings) {
    const auto bytes = skin.Member(kMaskBmp);
    const auto stored = bytes ? DecodeBitmapMember(*bytes, kMaskBmp) : std::nullopt;
    const QImage shown = stored ? stored->Image : QImage();
    qint64 differing = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            differing += IsCutAway(mask, x, y) != IsCutAway(shown, x, y);
    if (differing == 0 && shown.size() == mask.size())
        return;
    const QString size =
        stored ? QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()) : QString();
    findings.push_back({TRuleId::MaskBitmap, kMaskBmp, {}, {}, size, {},
                        {QString::number(mask.width()), QString::number(mask.height()),
                         QString::number(differing)}});
}

} // namespace

TMainWindowPreview MainWindowPreviewOf(const TPreviewTrees& trees) {
    TMainWindowPreview preview;
    preview.MainCtrl = trees.MainCtrl();
    preview.Main = trees.Main();
    preview.Leftbar = trees.Leftbar();
    preview.RightBar = trees.RightBar();
    preview.TopPanel = trees.TopPanel();
    preview.TabCtrl = trees.TabCtrl();
    preview.PlsCtrl = trees.PlsCtrl();
    return preview;
}

void CheckMainMask(TCheckedSkin& skin, TFindings& findings) {
    TSkinProject* main = skin.Document(TSkinWindow::Main);
    if (!main)
        return;
    auto file = std::make_unique<TQXSPFile>();
    QBuffer input;
    input.setData(skin.Bytes);
    input.open(QIODevice::ReadOnly);
    TSkinPreviewSet previews;
    QImage picture;
    TMaskGeometry geometry;
    try {
        file->LoadFromStream(input);
        previews.Load(std::move(file));
        const TMainWindowPreview preview = MainWindowPreviewOf(previews.Trees());
        geometry = MaskGeometry(preview);
        picture = ComposeMaskPicture(preview, geometry);
    } catch (const EVESKError&) {
        // What the previews cannot be built from is reported by the other
        // rules; a mask cannot be made of it either.
        return;
    } catch (const std::bad_alloc&) {
        return;
    }
    const TMaskMargins margins = PrepareMask(picture);
    CompareKeys(*main, *ExpectedMaskKeys(*main, geometry, margins), findings);
    CompareBitmap(skin, picture, findings);
}
