#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <memory>

#include "cli/QxspCommandTable.h"
#include "cli/QxspCommands.h"
#include "cli/QxspErrors.h"
#include "graphics/PlayerFaces.h"
#include "storage/FontsCleanup.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"

int main(int argc, char* argv[]) {
    // Only drawing needs widgets, and then without a display; every other
    // command runs where no window system exists at all.
    const TQxspCommand* named = argc > 1 ? FindQxspCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    const bool wantsHelp =
        argc > 2 && (QByteArray(argv[2]) == "--help" || QByteArray(argv[2]) == "-h");
    const bool drawing = named && named->Drawing && !wantsHelp;
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    // Pictures of previews must measure text as the editor does.
    if (drawing)
        RegisterPlayerFaces();
    QStringList args = app->arguments().mid(1);
    // Drawing installs the skin's fonts, which must not outlive the tool.
    if (drawing) {
        RemoveStaleFontFolders(FontsRoot());
        RemoveFontsOnSignals(FontsFolder());
    }

    QFile rawOut;
    rawOut.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&rawOut);
    QTextStream err(stderr);
    QxspContext context{out, rawOut, err};

    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << QxspHelp();
        return args.isEmpty() ? 2 : 0;
    }
    if (!named) {
        err << "qxsp: unknown command \"" << args[0] << "\" (see qxsp --help)\n";
        return 2;
    }
    if (wantsHelp) {
        out << QxspCommandHelp(*named);
        return 0;
    }
    try {
        named->Run(args.mid(1), context);
        out.flush();
        return 0;
    } catch (const QxspUsageError& error) {
        err << "qxsp: " << error.what() << '\n';
        return 2;
    } catch (const QxspFailure& error) {
        err << "qxsp: " << error.what() << '\n';
    } catch (const EVESKError& error) {
        err << "qxsp: " << error.message() << '\n';
    } catch (const std::bad_alloc&) {
        err << "qxsp: out of memory\n";
    }
    return 1;
}
