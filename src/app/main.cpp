#include <QApplication>
#include <QTimer>

#include "editor/QX_SE.h"
#include "editor/QtTranslations.h"
#include "graphics/PlayerFaces.h"
#include "storage/FontsCleanup.h"
#include "storage/QXSPFonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
