#include "compiler/SectionsWriter.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QWidget>

#include "controls/AlignLayout.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "graphics/VESKRect.h"
#include "text/SkinProject.h"

namespace {

const QString kObjects = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kFonts = QStringLiteral("SKIN_FONTS");
const QString kWidths = QStringLiteral("SKIN_WIDTHS");
const QString kParent = QStringLiteral("PARENT");
const QString kSwitches = QStringLiteral("PROJ_SKN");
const QString kNoRect = QStringLiteral("0,0,0,0");

TRect BoundsOf(const QWidget* control) {
    return TRect::FromQRect(control->geometry());
}

int Saturated(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

// The bounds moved by the origin of a texture; a stranger's texture origin
// near the int limit must not overflow.
TRect Shifted(const TRect& bounds, const TRect& texture) {
    const std::int64_t left = std::int64_t(texture.Left) + bounds.Left;
    const std::int64_t top = std::int64_t(texture.Top) + bounds.Top;
    return {Saturated(left), Saturated(top), Saturated(left + bounds.Width()),
            Saturated(top + bounds.Height())};
}

void Report(const TSaveProgress& progress, qsizetype index, qsizetype count) {
    if (progress && count > 0)
        progress(int(qint64(index) * 100 / count));
}

// A control counts as part of the skin when the element list has not
// switched it off and the preview shows it.
bool IsEnabled(const QWidget* control, const QString& name, TSkinProject& document) {
    return document.ReadBool(kSwitches, name, true) && !control->isHidden();
}

// The switch is the control's name, the key may differ (the equalizer's).
void WriteObjectRect(const QWidget* control, const QString& key, TSkinProject& document) {
    if (IsEnabled(control, control->objectName(), document))
        document.WriteRect(kObjects, key, BoundsOf(control));
    else
        document.WriteString(kObjects, key, kNoRect);
}

// The element rule of the main window and the equalizer. A label's text
// rectangle is the piece of its own panel's texture behind it, written into
// its own window's document: the playlist's labels lie on the playlist
// panels' textures, not on the main face's, and the equalizer's text lies
// in the equalizer's bitmap, which the main document does not address.
void WriteElement(QWidget* element, const QString& key, TSkinProject& document) {
    WriteObjectRect(element, key, document);
    const auto* label = qobject_cast<const TVESKSELabel*>(element);
    if (!label)
        return;
    document.WriteString(kFonts, key, FontToString(label->Font()));
    const TRect texture =
        document.ReadRect(kRects, PanelTextureKey(label->parentWidget()), TRect());
    document.WriteRect(kRects, key, Shifted(BoundsOf(label), texture));
}

// The equalizer's controls are named after their keys with one "_" more
// where a name is taken in the main window ("CloseBtn_"); its loader reads
// the keys without it, and so must the save write them.
QString EqualizerKey(const QString& name) {
    return name.endsWith(u'_') ? name.chopped(1) : name;
}

// A panel switched off in the preview takes no room in the playlist's
// geometry, nor in the photograph the mask is made from.
void CollapseIfHidden(QWidget* panel) {
    if (panel && panel->isHidden())
        SetBounds(panel, QRect(panel->pos(), QSize(panel->width(), 0)));
}

int HeightOf(const QWidget* control) {
    return control ? control->height() : 0;
}

int WidthOf(const QWidget* control) {
    return control ? control->width() : 0;
}

void WriteTrayPanel(QWidget* panel, const QString& code, TSkinProject& tray, TSkinProject& parents,
                    const TSaveProgress& progress) {
    if (!panel)
        return;
    const QList<QWidget*> children = SaveOrder(panel);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QWidget* child = children[i];
        const QString name = child->objectName();
        parents.WriteString(kParent, name, code);
        // The tray has no element switches: only what the preview shows.
        tray.WriteRect(kObjects, name, child->isHidden() ? TRect() : BoundsOf(child));
        Report(progress, i, children.size());
    }
}

QWidget* FindChildNamed(QWidget* panel, const QString& name) {
    if (!panel)
        return nullptr;
    for (QWidget* child : SaveOrder(panel))
        if (child->objectName() == name)
            return child;
    return nullptr;
}

} // namespace

QString FontToString(const TFont& font) {
    TMyFont value;
    value.Height = font.Height;
    value.Name = font.Name;
    value.Color = font.Color;
    value.Style = font.Style;
    return MyFontToStr(value);
}

QList<QWidget*> SaveOrder(const QWidget* panel) {
    QList<QWidget*> labels;
    QList<QWidget*> others;
    if (!panel)
        return labels;
    // The classic toolkit lists the controls without a window of their own
    // (the text labels) before the others; keys are appended in that order.
    for (QObject* child : panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        (qobject_cast<TVESKSELabel*>(widget) ? labels : others).append(widget);
    }
    return labels + others;
}

bool IsSkinElement(const QWidget* control) {
    return qobject_cast<const TVESKSESkin*>(control) ||
           qobject_cast<const TVESKSENumLabel*>(control) ||
           qobject_cast<const TVESKSELabel*>(control);
}

QString PanelTextureKey(const QWidget* panel) {
    if (!panel)
        return QStringLiteral("MainForm");
    const QString name = panel->objectName();
    // Panels whose texture key is not their own name; the others (playlist
    // header and tab strip, tray panels) are keyed by their names, which
    // compare without regard to case.
    static const struct {
        const char* Panel;
        const char* Texture;
    } kTextures[] = {
        {"Main", "MainForm"},
        {"PlsCtrl", "plsctrl"},
        {"main_", "main"},
        // A bar's top piece runs beside the whole face; a label on a bar
        // lies on it.
        {"Leftbar", "LEFTTOPBAR"},
        {"RightBar", "RIGHTTOPBAR"},
    };
    for (const auto& entry : kTextures)
        if (name == QLatin1String(entry.Panel))
            return QString::fromLatin1(entry.Texture);
    return name;
}

void WritePanelElements(QWidget* panel, const QString& areaKey, TSkinProject& project,
                        TSkinProject& parents, const TSaveProgress& progress) {
    if (!panel)
        return;
    const QList<QWidget*> children = SaveOrder(panel);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QWidget* child = children[i];
        if (IsSkinElement(child)) {
            parents.WriteString(kParent, child->objectName(), areaKey);
            WriteElement(child, child->objectName(), project);
        }
        Report(progress, i, children.size());
    }
}

void WriteMainWindow(const TMainWindowPreview& preview, TSkinProject& project,
                     TSkinProject& parents, const TSaveProgress& progress) {
    const std::pair<QWidget*, const char*> areas[] = {
        {preview.Main, "MAIN"},      {preview.TopPanel, "TOP"},  {preview.PlsCtrl, "BTM"},
        {preview.RightBar, "R_BRD"}, {preview.Leftbar, "L_BRD"},
    };
    for (const auto& [panel, key] : areas)
        WritePanelElements(panel, QString::fromLatin1(key), project, parents, progress);

    CollapseIfHidden(preview.TabCtrl);
    CollapseIfHidden(preview.TopPanel);
    if (preview.TopPanel)
        WriteObjectRect(preview.TopPanel, QStringLiteral("TopPanel"), project);
    if (preview.TabCtrl)
        WriteObjectRect(preview.TabCtrl, QStringLiteral("TabCtrl"), project);

    project.WriteInteger(kWidths, QStringLiteral("PLSLEFT"), WidthOf(preview.Leftbar));
    project.WriteInteger(kWidths, QStringLiteral("PLSBottom"), HeightOf(preview.PlsCtrl));
    // The playlist starts below the taller of header and tab strip, not
    // below both.
    const int header = std::max(HeightOf(preview.TopPanel), HeightOf(preview.TabCtrl));
    project.WriteInteger(kWidths, QStringLiteral("PLSTOP"),
                         Saturated(std::int64_t(header) + HeightOf(preview.Main)));
    project.WriteInteger(kWidths, QStringLiteral("PLSWIDTH"), WidthOf(preview.Main));
}

void WriteEqualizer(QWidget* face, TSkinProject& equalizer, const TSaveProgress& progress) {
    if (!face)
        return;
    const QList<QWidget*> children = SaveOrder(face);
    for (qsizetype i = 0; i < children.size(); ++i) {
        if (IsSkinElement(children[i]))
            WriteElement(children[i], EqualizerKey(children[i]->objectName()), equalizer);
        Report(progress, i, children.size());
    }
}

void WritePlaylist(TSkinProject& project) {
    project.WriteString(kRects, QStringLiteral("SCROLLSLIDER_BKS"),
                        project.ReadString(kRects, QStringLiteral("SCROLLSLIDER_BK"), kNoRect));
    for (const char* button : {"SCROLLUP", "SCROLLDOWN"}) {
        const QString key = QString::fromLatin1(button);
        const TRect normal = project.ReadRect(kRects, key + QStringLiteral("_NRM"), TRect());
        project.WriteRect(kObjects, key, TRect{0, 0, normal.Width(), normal.Height()});
    }
}

std::unique_ptr<TSkinProject> WriteTrayController(QWidget* trayInfo, QWidget* trayCtrl,
                                                  TSkinProject& tray,
                                                  const TSaveProgress& progress) {
    auto parents = std::make_unique<TSkinProject>();
    WriteTrayPanel(trayInfo, QStringLiteral("INFO"), tray, *parents, progress);
    WriteTrayPanel(trayCtrl, QString(), tray, *parents, progress);

    const QString titleName = QStringLiteral("trayrs");
    QWidget* title = FindChildNamed(trayInfo, titleName);
    if (!title)
        title = FindChildNamed(trayCtrl, titleName);
    if (title) {
        const TRect texture =
            tray.ReadRect(kRects, PanelTextureKey(title->parentWidget()), TRect());
        tray.WriteRect(kRects, QStringLiteral("TrayRS"), Shifted(BoundsOf(title), texture));
    }
    return parents;
}

void WriteContextMenu(TSkinProject& project, const TMenuLooks& looks) {
    project.WriteInteger(kFonts, QStringLiteral("GutterColor"), looks.GutterColor);
    project.WriteInteger(kFonts, QStringLiteral("MENUCOLOR"), looks.MenuColor);
    project.WriteInteger(kFonts, QStringLiteral("SelectedColor"), looks.SelectedColor);
    project.WriteInteger(kFonts, QStringLiteral("BorderColor"), looks.BorderColor);
    project.WriteString(kFonts, QStringLiteral("MENUFONT"), FontToString(looks.Font));
}
