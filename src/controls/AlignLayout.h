#pragma once

class QRect;
class QWidget;

// The classic toolkit's alignment of child controls, which Qt lacks.
//
// An aligned child is laid out by its container whenever the container or
// the child changes size or visibility: top-aligned children first, stacked
// downwards in the order of their current tops; then bottom-aligned ones
// upwards from the bottom edge; then left- and right-aligned ones, which get
// the height that is left between them; and client-aligned ones take the
// rest. Hidden children take no room. The control whose change started the
// layout wins ties of position, so setting a panel's top to 0 puts it first.
//
// The alignment is kept in the widget's dynamic property "Align", so plain
// QWidgets align as well as the preview controls. Aligning a child installs
// a TAlignContainer on its container, which keeps the layout up to date.
enum class TAlign { None, Top, Bottom, Left, Right, Client };

inline constexpr char kAlignProperty[] = "Align";

TAlign AlignOf(const QWidget* control);

// Stores the alignment and lays out the control's container at once.
void SetAlign(QWidget* control, TAlign align);

// Lays out the aligned children of container. trigger, when given, is the
// child whose bounds or visibility just changed. Re-entrant calls for the
// same container (the layout moving its own children) do nothing.
void AlignControls(QWidget* container, QWidget* trigger = nullptr);

// Sets a control's bounds the classic way: its container re-aligns it and
// its own aligned children follow its new size. Qt tells a widget that is
// not on screen about geometry changes only when it is shown, so code that
// places controls of a page not shown should go through here; code that
// calls setGeometry() directly gets the layout when the page is shown or
// rendered.
void SetBounds(QWidget* control, const QRect& bounds);
