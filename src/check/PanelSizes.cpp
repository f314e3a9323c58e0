#include "check/PanelSizes.h"

#include "check/CheckedSkin.h"
#include "check/SkinRules.h"

namespace {

const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kParent = QStringLiteral("PARENT");

std::optional<QSize> TextureSize(TSkinProject& document, const QString& key) {
    const auto rect = ReadGoodRect(document, kRects, key);
    if (!rect || rect->Width() <= 0 || rect->Height() <= 0)
        return std::nullopt;
    return QSize(rect->Width(), rect->Height());
}

// The playlist panels stretch across the face's width, the bars run down
// the face and the playlist dock below it.
std::optional<QSize> MainPanelSize(TSkinProject& document, const QString& panel) {
    const auto face = TextureSize(document, QStringLiteral("MainForm"));
    if (!face)
        return std::nullopt;
    if (panel == QLatin1String("Main"))
        return face;
    if (panel == QLatin1String("Leftbar") || panel == QLatin1String("RightBar")) {
        const QString widths = QStringLiteral("SKIN_WIDTHS");
        int width = document.ReadInteger(widths, QStringLiteral("BARSIZE"), 0);
        if (panel == QLatin1String("RightBar") &&
            document.ValueExists(widths, QStringLiteral("BARSIZER")))
            width = document.ReadInteger(widths, QStringLiteral("BARSIZER"), 0);
        return QSize(width, 2 * face->height());
    }
    const auto own = TextureSize(document, panel == QLatin1String("PlsCtrl") ? QStringLiteral("plsctrl")
                                                                             : panel);
    return own ? std::optional(QSize(face->width(), own->height())) : std::nullopt;
}

std::optional<QSize> TrayPanelSize(TSkinProject& document, const QString& panel) {
    const auto buttons = TextureSize(document, QStringLiteral("trayctrl"));
    if (!buttons || panel == QLatin1String("TrayCtrl"))
        return buttons;
    const auto info = TextureSize(document, QStringLiteral("trayinfo"));
    return info ? std::optional(QSize(buttons->width(), info->height())) : std::nullopt;
}

bool IsArea(ElementKind kind) {
    return kind == ElementKind::AreaPanel || kind == ElementKind::BorderBar ||
           kind == ElementKind::TabBar || kind == ElementKind::TrayPanel;
}

QString Code(TSkinProject* parents, const QString& name, const QString& fallback) {
    return parents ? parents->ReadString(kParent, name, fallback) : fallback;
}

} // namespace

std::optional<TPanelSize> HoldingPanel(const TCheckedSkin& skin, const TSkinElement& element) {
    TSkinProject* document = skin.Document(element.Window);
    if (!document || IsArea(element.Kind))
        return std::nullopt;
    const QString name = QLatin1String(element.Name);
    QString panel;
    std::optional<QSize> size;
    switch (element.Window) {
    case TSkinWindow::Main:
        panel = ParentContainer(TSkinWindow::Main, Code(skin.Parents.get(), name, QString()));
        // The balance slider leaves the window when no panel is named.
        if (panel.isEmpty() && name == QLatin1String("balanceSlider"))
            return std::nullopt;
        if (panel.isEmpty())
            panel = QLatin1String(element.Parent);
        size = MainPanelSize(*document, panel);
        break;
    case TSkinWindow::Equalizer:
        panel = QStringLiteral("main_");
        size = document->ReadRect(QStringLiteral("SKIN_OBJS"), QStringLiteral("MAIN"),
                                  TRect{0, 0, 160, 120})
                   .ToQRect()
                   .size();
        break;
    case TSkinWindow::Tray: {
        const QString fallback = QLatin1String(element.Parent) == QLatin1String("TrayInfo")
                                     ? QStringLiteral("INFO")
                                     : QString();
        panel = ParentContainer(TSkinWindow::Tray, Code(skin.TrayParents.get(), name, fallback));
        if (panel.isEmpty())
            panel = QStringLiteral("TrayCtrl");
        size = TrayPanelSize(*document, panel);
        break;
    }
    }
    if (!size)
        return std::nullopt;
    return TPanelSize{panel, *size};
}
