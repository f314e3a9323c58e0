#pragma once

#include <vector>

#include <QHash>
#include <QList>
#include <QString>

#include "controls/AlignLayout.h"
#include "controls/ElementControl.h"
#include "storage/SkinVocabulary.h"

class QWidget;
class TPlainPanel;
class TVESKSELabel;
class TVESKSEPanel;
class TVESKSESkin;
class TVESKSENumLabel;

// The previews of the player's three skinned windows as the window layout
// describes them: one control per skin element, under the container that
// holds it by default. The rows come from the skin vocabulary; what the
// vocabulary does not say (control class, alignment, hint, mouse bindings,
// the plain panels between elements) is added here, in one table.

// The control class standing for an element.
enum class TPreviewClass {
    Plain,  // TPlainPanel: a container that is no element
    Panel,  // TVESKSEPanel: an element holding elements
    Skin,   // TVESKSESkin
    Digits, // TVESKSENumLabel
    Label,  // TVESKSELabel
};

// Which of the window's three preview mouse handlers an event is bound to.
enum class TMouseHandler {
    None,
    Select, // LeftbarMouseDown
    Drag,   // LeftBarMouseMove
    Release // LeftBarMouseUp
};

struct TMouseBindings {
    TMouseHandler Down = TMouseHandler::None;
    TMouseHandler Move = TMouseHandler::None;
    TMouseHandler Up = TMouseHandler::None;

    friend bool operator==(const TMouseBindings&, const TMouseBindings&) = default;
};

// One row of the layout, in creation order: every container comes before
// what it holds, and the children of a container are in child order.
struct TPreviewItem {
    QString Name;
    ElementKind Kind = ElementKind::AreaPanel;
    QString Parent;
    TPreviewClass Class = TPreviewClass::Skin;
    TAlign Align = TAlign::None;
    QString Hint;
    TMouseBindings Mouse;
    bool Tiled = false;
    // Labels: the text shown; numeric displays: the first caption.
    QString Caption;
    // Numeric displays: glyphs in the strip and the template text.
    int GlyphCount = 0;
    QString DefaultText;
};

// The rows of one window's preview. The first row's parent is the window's
// preview container ("MainCtrl", "EQUA", "TrayControlMain").
std::vector<TPreviewItem> PreviewLayout(TSkinWindow window);
QString PreviewRootName(TSkinWindow window);

// The window's handlers the preview controls are bound to.
struct TPreviewHandlers {
    TMouseEvent Select;
    TMouseMoveEvent Drag;
    TMouseEvent Release;
};

// The three preview trees, built into containers that the caller owns, and
// the controls by name.
class TPreviewTrees {
public:
    // Builds the window's controls under root (which takes the window's
    // root name); a tree is built once.
    void Build(TSkinWindow window, QWidget* root, const TPreviewHandlers& handlers = {});

    QWidget* Root(TSkinWindow window) const;
    // Any control of the trees by its exact name ("Main" and "main_" are
    // two controls), plain panels and the roots included; nullptr if none.
    QWidget* Find(const QString& name) const;
    // The controls of a window in creation order, roots not included.
    const QList<QWidget*>& Controls(TSkinWindow window) const;
    // Whether the window's tree holds the control (roots excepted).
    bool Holds(TSkinWindow window, const QWidget* control) const;

    template <class T> T* Get(const QString& name) const { return qobject_cast<T*>(Find(name)); }

    // The containers and elements the loader and the renderer address.
    QWidget* MainCtrl() const { return Root(TSkinWindow::Main); }
    QWidget* EQUA() const { return Root(TSkinWindow::Equalizer); }
    QWidget* TrayControlMain() const { return Root(TSkinWindow::Tray); }
    TVESKSEPanel* Main() const;
    TVESKSESkin* Leftbar() const;
    TVESKSESkin* RightBar() const;
    TPlainPanel* PlaylistMan() const;
    TVESKSEPanel* TopPanel() const;
    TVESKSEPanel* TabCtrl() const;
    TVESKSEPanel* PlsCtrl() const;
    TVESKSEPanel* MainEq() const; // "main_"
    TVESKSEPanel* TrayInfo() const;
    TVESKSEPanel* TrayCtrl() const;

private:
    QWidget* FRoots[3] = {nullptr, nullptr, nullptr};
    QList<QWidget*> FControls[3];
    QHash<QString, QWidget*> FByName;
};

// Binds a control's mouse events as the layout row says.
void BindMouse(QWidget* control, const TMouseBindings& bindings, const TPreviewHandlers& handlers);
