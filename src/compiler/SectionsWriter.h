#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QString>

#include "graphics/VESKColor.h"
#include "graphics/VESKFont.h"

class QWidget;
class TSkinProject;

// Writes what the previews hold (where each element sits, how large it is,
// whether it is shown, which font a label uses) back into the skin's INI
// documents. Everything else in the documents was written by the editing
// commands and stays. What is written here is what loading reads back.

// Called after every child of an element loop with the loop's progress in
// percent: the truncated index * 100 / number of children.
using TSaveProgress = std::function<void(int percent)>;

// The main window's preview as the save reads it.
struct TMainWindowPreview {
    QWidget* MainCtrl = nullptr;
    QWidget* Main = nullptr;
    QWidget* Leftbar = nullptr;
    QWidget* RightBar = nullptr;
    QWidget* TopPanel = nullptr;
    QWidget* TabCtrl = nullptr;
    QWidget* PlsCtrl = nullptr;
};

// The context menu's looks as the menu page shows them.
struct TMenuLooks {
    TColor GutterColor = 0;
    TColor MenuColor = 0;
    TColor SelectedColor = 0;
    TColor BorderColor = 0;
    TFont Font;
};

// "name,colour,height,style": the height without its sign, the style as the
// sum of 1 italic, 2 bold, 4 underline (strike-out is not stored).
QString FontToString(const TFont& font);

// A panel's children in the order new keys are appended: first the text
// labels, then the other controls, each group in the order the children
// were placed into the panel. Widgets only: helper objects are no children
// here.
QList<QWidget*> SaveOrder(const QWidget* panel);

// The three control classes that stand for skin elements.
bool IsSkinElement(const QWidget* control);

// The key a panel's own texture is cut by in its window's "SKIN_RECTS": a
// label's text rectangle is the piece of that texture behind the label.
QString PanelTextureKey(const QWidget* panel);

// The element loop of one area of the main window: for every skin element,
// its "PARENT" entry, then its rectangle (and a label's font and text
// rectangle) in the main document.
void WritePanelElements(QWidget* panel, const QString& areaKey, TSkinProject& project,
                        TSkinProject& parents, const TSaveProgress& progress = {});

// The five areas in their order, the playlist header and tab strip (hidden
// ones set to height 0 in the preview) and the playlist geometry.
void WriteMainWindow(const TMainWindowPreview& preview, TSkinProject& project,
                     TSkinProject& parents, const TSaveProgress& progress = {});

// The elements of the equalizer's face panel, into the equalizer document.
void WriteEqualizer(QWidget* face, TSkinProject& equalizer, const TSaveProgress& progress = {});

// The scroll slider's selected background and the scroll buttons' sizes.
void WritePlaylist(TSkinProject& project);

// Every control of the two tray panels and the scrolling title's texture
// rectangle into the tray document; answers the tray parent document.
std::unique_ptr<TSkinProject> WriteTrayController(QWidget* trayInfo, QWidget* trayCtrl,
                                                  TSkinProject& tray,
                                                  const TSaveProgress& progress = {});

void WriteContextMenu(TSkinProject& project, const TMenuLooks& looks);
