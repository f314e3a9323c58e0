#pragma once

// Small builders shared by the files that lay out the main window's pages.
// Every component the editor refers to gets its name as object name; inputs
// get the caption of their label as accessible name.

#include <climits>
#include <utility>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QString>

namespace qxform {

template <class W, class... Args> W* Named(const QString& name, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

inline QPushButton* MakeButton(const QString& name, const QString& caption) {
    return Named<QPushButton>(name, caption);
}

inline QGroupBox* MakeGroup(const QString& title, const QString& name = QString()) {
    auto* group = new QGroupBox(title);
    if (!name.isEmpty())
        group->setObjectName(name);
    return group;
}

// A spin edit without limits.
inline QSpinBox* MakeFreeSpin(const QString& name) {
    auto* spin = Named<QSpinBox>(name);
    spin->setRange(INT_MIN, INT_MAX);
    return spin;
}

// A colour swatch: a sunken panel showing one colour.
inline QFrame* MakeSwatch(const QString& name, const QString& caption) {
    auto* swatch = Named<QFrame>(name);
    swatch->setFrameShape(QFrame::Panel);
    swatch->setFrameShadow(QFrame::Sunken);
    swatch->setAutoFillBackground(true);
    swatch->setFixedSize(41, 21);
    swatch->setAccessibleName(caption.trimmed());
    return swatch;
}

// A label for an input: the input takes the label's caption as its
// accessible name and the label forwards its mnemonic focus.
inline QLabel* MakeLabelFor(const QString& caption, QWidget* input) {
    auto* label = new QLabel(caption);
    label->setBuddy(input);
    QString name = caption.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    input->setAccessibleName(name);
    return label;
}

} // namespace qxform
