#include "editor/PreviewTrees.h"

#include <QWidget>

#include "controls/PlainPanel.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"

namespace {

using H = TMouseHandler;

// Every element selects on mouse down, drags while Alt is held and selects
// again on release; the areas select on release only, so a click on a
// button is not also taken by the panel under it, and the tab buttons and
// tray panels on mouse down only.
constexpr TMouseBindings kElementMouse{H::Select, H::Drag, H::Release};
constexpr TMouseBindings kAreaMouse{H::None, H::None, H::Select};
constexpr TMouseBindings kPressMouse{H::Select, H::None, H::None};

// What the layout adds to the vocabulary's rows, by element name.
struct TLayoutFact {
    const char* Name;
    TAlign Align;
    bool Tiled;
    TMouseBindings Mouse;
};

constexpr TLayoutFact kLayoutFacts[] = {
    {"Main", TAlign::None, false, kAreaMouse},
    {"Leftbar", TAlign::Left, true, kAreaMouse},
    {"RightBar", TAlign::Right, true, kAreaMouse},
    {"TopPanel", TAlign::Top, false, kAreaMouse},
    {"TabCtrl", TAlign::Top, false, kAreaMouse},
    {"PlsCtrl", TAlign::Bottom, false, kAreaMouse},
    {"main_", TAlign::None, false, kAreaMouse},
    {"TCN", TAlign::None, false, kPressMouse},
    {"TCP", TAlign::None, false, kPressMouse},
    {"TrayInfo", TAlign::Top, false, kPressMouse},
    {"TrayCtrl", TAlign::Bottom, false, kPressMouse},
};

// Containers between the elements that are no element themselves. Each is
// created just before the first element it holds.
struct TPlainFact {
    TSkinWindow Window;
    const char* Name;
    const char* Parent;
    const char* Caption;
};

constexpr TPlainFact kPlainPanels[] = {
    {TSkinWindow::Main, "PlaylistMan", "MainCtrl", "Playlist Dock"},
};

// The texts the labels show, so the preview reads like the player.
struct TCaptionFact {
    const char* Name;
    const char* Caption;
};

constexpr TCaptionFact kLabelCaptions[] = {
    {"Infobar", "VESK Classic"}, {"iTitle", "Title"},
    {"iArtist", "Artist"},       {"iAlbum", "Album"},
    {"iGenre", "Genre"},         {"Playlistbox", "Playlist"},
    {"CountLabel", "0"},         {"LengthLabel", "0:00:00"},
    {"SizeLabel", "0 MB"},       {"DSP", "DSP"},
    {"trayrs", "VESK Classic"},
};

// The tray panel whose elements the tray parent document may leave out:
// they carry the hint "1" and go back there when it says nothing.
constexpr char kTrayDropPanel[] = "TrayInfo";

TPreviewClass ClassOf(ElementKind kind) {
    switch (kind) {
    case ElementKind::AreaPanel:
    case ElementKind::TabBar:
    case ElementKind::TrayPanel:
        return TPreviewClass::Panel;
    case ElementKind::NumericDisplay:
        return TPreviewClass::Digits;
    case ElementKind::TextLabel:
    case ElementKind::ListBox:
        return TPreviewClass::Label;
    default:
        return TPreviewClass::Skin;
    }
}

const TLayoutFact* FindFact(const QString& name) {
    for (const TLayoutFact& fact : kLayoutFacts)
        if (name == QLatin1String(fact.Name))
            return &fact;
    return nullptr;
}

QString CaptionOf(const QString& name) {
    for (const TCaptionFact& fact : kLabelCaptions)
        if (name == QLatin1String(fact.Name))
            return QString::fromLatin1(fact.Caption);
    return name;
}

TPreviewItem ItemOf(const TSkinElement& element) {
    TPreviewItem item;
    item.Name = QLatin1String(element.Name);
    item.Kind = element.Kind;
    item.Parent = QLatin1String(element.Parent);
    item.Class = ClassOf(element.Kind);
    item.Mouse = kElementMouse;
    if (const TLayoutFact* fact = FindFact(item.Name)) {
        item.Align = fact->Align;
        item.Tiled = fact->Tiled;
        item.Mouse = fact->Mouse;
    }
    if (element.Window == TSkinWindow::Tray && item.Parent == QLatin1String(kTrayDropPanel))
        item.Hint = QStringLiteral("1");
    if (item.Class == TPreviewClass::Label)
        item.Caption = CaptionOf(item.Name);
    if (item.Class == TPreviewClass::Digits) {
        item.GlyphCount = element.GlyphCount;
        item.DefaultText = QLatin1String(element.DefaultText);
        // The tray's status indicator starts blank and shows its first
        // glyph once painted.
        item.Caption = item.Name == QLatin1String("traystatus") ? QString() : item.DefaultText;
    }
    return item;
}

QWidget* CreateControl(const TPreviewItem& item, QWidget* parent) {
    switch (item.Class) {
    case TPreviewClass::Plain: {
        auto* panel = new TPlainPanel(parent);
        panel->SetCaption(item.Caption);
        return panel;
    }
    case TPreviewClass::Panel:
        return new TVESKSEPanel(parent);
    case TPreviewClass::Skin: {
        auto* skin = new TVESKSESkin(parent);
        skin->SetTiled(item.Tiled);
        return skin;
    }
    case TPreviewClass::Digits: {
        auto* digits = new TVESKSENumLabel(parent);
        digits->SetComponentCount(quint8(qBound(1, item.GlyphCount, 255)));
        digits->SetDefault(item.DefaultText);
        digits->SetCaption(item.Caption);
        return digits;
    }
    case TPreviewClass::Label: {
        // Labels keep the bounds the skin gives them and let the texture of
        // their panel show behind the text.
        auto* label = new TVESKSELabel(parent);
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetCaption(item.Caption);
        return label;
    }
    }
    return nullptr;
}

int Index(TSkinWindow window) {
    return int(window);
}

} // namespace

QString PreviewRootName(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        return QStringLiteral("MainCtrl");
    case TSkinWindow::Equalizer:
        return QStringLiteral("EQUA");
    case TSkinWindow::Tray:
        return QStringLiteral("TrayControlMain");
    }
    return QString();
}

std::vector<TPreviewItem> PreviewLayout(TSkinWindow window) {
    std::vector<TPreviewItem> rows;
    QStringList known{PreviewRootName(window)};
    for (const TSkinElement& element : SkinElements(window)) {
        TPreviewItem item = ItemOf(element);
        if (!known.contains(item.Parent)) {
            for (const TPlainFact& plain : kPlainPanels) {
                if (plain.Window != window || item.Parent != QLatin1String(plain.Name))
                    continue;
                TPreviewItem panel;
                panel.Name = QLatin1String(plain.Name);
                panel.Parent = QLatin1String(plain.Parent);
                panel.Class = TPreviewClass::Plain;
                panel.Caption = QString::fromUtf8(plain.Caption);
                rows.push_back(panel);
                known << panel.Name;
            }
        }
        known << item.Name;
        rows.push_back(item);
    }
    return rows;
}

void BindMouse(QWidget* control, const TMouseBindings& bindings, const TPreviewHandlers& handlers) {
    TElementControl* element = AsElementControl(control);
    if (!element)
        return;
    const auto buttonHandler = [&handlers](TMouseHandler handler) -> TMouseEvent {
        switch (handler) {
        case TMouseHandler::Select:
            return handlers.Select;
        case TMouseHandler::Release:
            return handlers.Release;
        default:
            return {};
        }
    };
    element->OnMouseDown = buttonHandler(bindings.Down);
    element->OnMouseUp = buttonHandler(bindings.Up);
    element->OnMouseMove = bindings.Move == TMouseHandler::Drag ? handlers.Drag : TMouseMoveEvent{};
}

void TPreviewTrees::Build(TSkinWindow window, QWidget* root, const TPreviewHandlers& handlers) {
    const int w = Index(window);
    if (!root || FRoots[w])
        return;
    FRoots[w] = root;
    root->setObjectName(PreviewRootName(window));
    if (window == TSkinWindow::Tray) {
        // The gap between the tray's two panels is no part of any texture:
        // it shows dark, as the other previews' empty areas do, not as a
        // bright line of the system's window colour.
        root->setAutoFillBackground(true);
        QPalette palette = root->palette();
        palette.setColor(QPalette::Window, Qt::black);
        root->setPalette(palette);
    }
    FByName.insert(root->objectName(), root);
    for (const TPreviewItem& item : PreviewLayout(window)) {
        QWidget* parent = FByName.value(item.Parent, root);
        QWidget* control = CreateControl(item, parent);
        control->setObjectName(item.Name);
        control->setAccessibleName(item.Name);
        if (TElementControl* element = AsElementControl(control)) {
            element->Tag = int(item.Kind);
            BindMouse(control, item.Mouse, handlers);
        }
        if (!item.Hint.isEmpty())
            control->setToolTip(item.Hint);
        // Nothing is placed before a skin is loaded.
        SetBounds(control, QRect());
        if (item.Align != TAlign::None)
            SetAlign(control, item.Align);
        FControls[w] << control;
        FByName.insert(item.Name, control);
    }
}

QWidget* TPreviewTrees::Root(TSkinWindow window) const {
    return FRoots[Index(window)];
}

QWidget* TPreviewTrees::Find(const QString& name) const {
    return FByName.value(name, nullptr);
}

const QList<QWidget*>& TPreviewTrees::Controls(TSkinWindow window) const {
    return FControls[Index(window)];
}

bool TPreviewTrees::Holds(TSkinWindow window, const QWidget* control) const {
    return control && FControls[Index(window)].contains(const_cast<QWidget*>(control));
}

TVESKSEPanel* TPreviewTrees::Main() const {
    return Get<TVESKSEPanel>(QStringLiteral("Main"));
}
TVESKSESkin* TPreviewTrees::Leftbar() const {
    return Get<TVESKSESkin>(QStringLiteral("Leftbar"));
}
TVESKSESkin* TPreviewTrees::RightBar() const {
    return Get<TVESKSESkin>(QStringLiteral("RightBar"));
}
TPlainPanel* TPreviewTrees::PlaylistMan() const {
    return Get<TPlainPanel>(QStringLiteral("PlaylistMan"));
}
TVESKSEPanel* TPreviewTrees::TopPanel() const {
    return Get<TVESKSEPanel>(QStringLiteral("TopPanel"));
}
TVESKSEPanel* TPreviewTrees::TabCtrl() const {
    return Get<TVESKSEPanel>(QStringLiteral("TabCtrl"));
}
TVESKSEPanel* TPreviewTrees::PlsCtrl() const {
    return Get<TVESKSEPanel>(QStringLiteral("PlsCtrl"));
}
TVESKSEPanel* TPreviewTrees::MainEq() const {
    return Get<TVESKSEPanel>(QStringLiteral("main_"));
}
TVESKSEPanel* TPreviewTrees::TrayInfo() const {
    return Get<TVESKSEPanel>(QStringLiteral("TrayInfo"));
}
TVESKSEPanel* TPreviewTrees::TrayCtrl() const {
    return Get<TVESKSEPanel>(QStringLiteral("TrayCtrl"));
}
