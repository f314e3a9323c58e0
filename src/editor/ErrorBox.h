#pragma once

#include <exception>
#include <utility>

#include <QString>

class QWidget;

// The application's standard error box: an error that escapes a handler is
// shown with its text and the editor carries on. Exceptions must never
// unwind through Qt's event loop, so every entry point from Qt runs its body
// through Guarded().
void ShowErrorBox(QWidget* parent, const QString& text);
// Tools and tests that run the window unattended log the text instead.
void SetModalErrorBoxes(bool shown);

template <class Body> void Guarded(QWidget* parent, Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        ShowErrorBox(parent, QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        ShowErrorBox(parent, QString::fromStdString(error.what()));
    }
}
