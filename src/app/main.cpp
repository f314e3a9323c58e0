#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include "editor/QX_SE.h"
#include "editor/QtTranslations.h"
#include "graphics/PlayerFaces.h"
#include "storage/FontsCleanup.h"
#include "storage/QXSPFonts.h"

namespace {

// Every size the build rendered, so each place takes the one that fits.
QIcon ApplicationIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setWindowIcon(ApplicationIcon());
    // Desktops find the window's entry, and so its name and icon, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("qxskinedit"));
    // Fonts a crashed run left behind go now; this run's go also when it is
    // ended by a signal.
    RemoveStaleFontFolders(FontsRoot());
    RemoveFontsOnSignals(FontsFolder());
    RegisterPlayerFaces();
    InstallQtRussian();
    int result = 0;
    {
        TQXForm window;
        // Screenshots and scripted runs want the window at its designed size.
        if (qEnvironmentVariableIsSet("QX_NO_MAXIMIZE"))
            window.setWindowState(Qt::WindowNoState);
        window.show();
        // Start-up measurements end at the first turn of the event loop
        // after the window is shown.
        if (qEnvironmentVariableIsSet("QX_EXIT_AFTER_SHOW"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        result = app.exec();
    }
    // The fonts that the packages installed live only as long as the editor.
    RemoveFonts(FontsFolder());
    return result;
}
