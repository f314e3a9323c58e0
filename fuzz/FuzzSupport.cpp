#include "FuzzSupport.h"

#include <QtGlobal>

namespace {

void DropMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

void SilenceQtMessages() {
    qInstallMessageHandler(DropMessage);
}
