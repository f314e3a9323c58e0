#include "editor/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

bool gModalErrorBoxes = true;

} // namespace

void SetModalErrorBoxes(bool shown) {
    gModalErrorBoxes = shown;
}

void ShowErrorBox(QWidget* parent, const QString& text) {
    // Where nobody can press OK the text still reaches the log.
    if (!gModalErrorBoxes) {
        qWarning("error box: %s", qPrintable(text));
        return;
    }
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}
