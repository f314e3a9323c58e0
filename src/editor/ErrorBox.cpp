#include "editor/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void ShowErrorBox(QWidget* parent, const QString& text) {
    // Under tests there is nobody to press OK; the text still reaches the log.
    if (qEnvironmentVariableIsSet("QX_NO_MODAL_ERRORS")) {
        qWarning("error box: %s", qPrintable(text));
        return;
    }
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}
