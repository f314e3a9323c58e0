#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "cli/QxspCommands.h"
#include "cli/QxspCompile.h"
#include "cli/QxspErrors.h"
#include "cli/QxspRender.h"
#include "graphics/PlayerFaces.h"
#include "storage/FontsCleanup.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"

int main(int argc, char* argv[]) {
    // Only drawing needs widgets, and then without a display; every other
    // command runs where no window system exists at all.
    const bool drawing =
        argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "compile") == 0);
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

    const std::map<QString, std::function<void(const QStringList&, QxspContext&)>> commands = {
        {QStringLiteral("list"), CmdList},     {QStringLiteral("extract"), CmdExtract},
        {QStringLiteral("add"), CmdAdd},       {QStringLiteral("remove"), CmdRemove},
        {QStringLiteral("unpack"), CmdUnpack}, {QStringLiteral("pack"), CmdPack},
        {QStringLiteral("render"), CmdRender}, {QStringLiteral("compile"), CmdCompile},
    };

    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << QxspUsage() << "\ndrawing (needs no display):\n"
                                     << QxspRenderUsage() << QxspCompileUsage();
        return args.isEmpty() ? 2 : 0;
    }
    const auto command = commands.find(args[0]);
    if (command == commands.end()) {
        err << "qxsp: unknown command \"" << args[0] << "\" (see qxsp --help)\n";
        return 2;
    }
    try {
        command->second(args.mid(1), context);
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
