#include "cli/QxspRender.h"

#include <memory>

#include <QBuffer>
#include <QImageWriter>
#include <QScopeGuard>

#include "cli/QxspCommandTable.h"
#include "cli/QxspCommands.h"
#include "cli/QxspErrors.h"
#include "cli/QxspPackageIO.h"
#include "editor/SkinPreviewSet.h"
#include "editor/testmode/HeadlessStates.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"

namespace {

[[noreturn]] void Usage() {
    ThrowUsage("render");
}

struct TRenderArgs {
    QString File;
    QString Out;
    TSkinWindow Window = TSkinWindow::Main;
    int Scheme = 0;
    TRenderStates States;
};

TSkinWindow WindowByName(const QString& name) {
    if (name == QLatin1String("main"))
        return TSkinWindow::Main;
    if (name == QLatin1String("equalizer"))
        return TSkinWindow::Equalizer;
    if (name == QLatin1String("tray"))
        return TSkinWindow::Tray;
    Usage();
}

TRenderArgs ParseArgs(const QStringList& args) {
    TRenderArgs parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--window") || arg == QLatin1String("--scheme") ||
            arg == QLatin1String("--state") || arg == QLatin1String("--element")) {
            if (++i >= args.size())
                Usage();
            if (arg == QLatin1String("--window")) {
                parsed.Window = WindowByName(args[i]);
            } else if (arg == QLatin1String("--state")) {
                if (!ParsePreviewState(args[i], parsed.States.State))
                    Usage();
            } else if (arg == QLatin1String("--element")) {
                parsed.States.Element = args[i];
                if (parsed.States.Element.isEmpty())
                    Usage();
            } else {
                bool ok = false;
                parsed.Scheme = args[i].toInt(&ok);
                if (!ok || parsed.Scheme < 0)
                    Usage();
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            Usage();
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 2)
        Usage();
    parsed.File = positional[0];
    parsed.Out = positional[1];
    return parsed;
}

} // namespace

QImage RenderSkinWindow(const QString& fileName, TSkinWindow window, int scheme,
                        const TRenderStates& states) {
    // The editor shows its built-in skin for a file that is no package; a
    // tool that did so would answer a typing error with a picture.
    {
        TVESKCustomFile probe;
        LoadPackageFile(fileName, probe);
    }
    // Loading installs the skin's fonts for the labels; they go with the tool.
    const auto removeFonts = qScopeGuard([] { RemoveFonts(FontsFolder()); });
    auto file = std::make_unique<TQXSPFile>();
    file->LoadFromFile(fileName);
    TSkinPreviewSet previews;
    previews.Load(std::move(file));
    if (!previews.ApplyScheme(scheme))
        throw QxspFailure(QStringLiteral("%1 has no colour scheme %2 (it has 0 to %3)")
                              .arg(fileName)
                              .arg(scheme)
                              .arg(previews.Package()->GetThemeCount() - 1));
    if (!ShowPreviewState(previews.Trees(), window,
                          TTestPage{previews.Document(window), previews.Bitmap(window)},
                          states.State, states.Element))
        throw QxspFailure(QStringLiteral("%1: the window has no button %2")
                              .arg(fileName, states.Element));
    const QImage image = RenderPreviewImage(previews.Root(window));
    if (image.isNull())
        throw QxspFailure(
            QStringLiteral("%1: the window has no size that can be drawn").arg(fileName));
    return image;
}

void WritePngFile(const QString& fileName, const QImage& image) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(image))
        throw QxspFailure(
            QStringLiteral("cannot encode %1: %2").arg(fileName, writer.errorString()));
    WriteWholeFile(fileName, png.data());
}

void CmdRender(const QStringList& args, QxspContext&) {
    const TRenderArgs parsed = ParseArgs(args);
    WritePngFile(parsed.Out, RenderSkinWindow(parsed.File, parsed.Window, parsed.Scheme, parsed.States));
}
