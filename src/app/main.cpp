#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <cstdio>

#include "app/StartOptions.h"
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

// Prints what the command line asked for, or why it makes no sense, and
// gives the exit status.
int Answer(const TStartOptions& options) {
    if (options.Action == TStartOptions::TAction::Error) {
        std::fprintf(stderr, "qxskinedit: %s\nTry 'qxskinedit --help' for more information.\n",
                     options.Text.toLocal8Bit().constData());
        return 2;
    }
    std::fputs(options.Text.toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    {
        // --help and --version answer where no display exists, as in a
        // terminal over ssh.
        const QCoreApplication answering(argc, argv);
        const TStartOptions asked = ParseStartOptions(QCoreApplication::arguments());
        if (asked.Action == TStartOptions::TAction::Help ||
            asked.Action == TStartOptions::TAction::Version)
            return Answer(asked);
    }
    QApplication app(argc, argv);
    // Read again once Qt has taken its own options, such as -platform.
    const TStartOptions options = ParseStartOptions(QCoreApplication::arguments());
    if (options.Action != TStartOptions::TAction::Start)
        return Answer(options);
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
        OpenStartSkin(window, options.File);
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
