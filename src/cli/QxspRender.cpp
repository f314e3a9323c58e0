#include "cli/QxspRender.h"

#include <memory>

#include <QBuffer>
#include <QImageWriter>
#include <QScopeGuard>

#include "cli/QxspCommands.h"
#include "cli/QxspErrors.h"
#include "cli/QxspPackageIO.h"
#include "editor/SkinPreviewSet.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"

namespace {

const char kSynopsis[] = "render FILE OUT.png [--window main|equalizer|tray] [--scheme N]";

[[noreturn]] void Usage() {
    throw QxspUsageError(QStringLiteral("usage: qxsp %1").arg(QLatin1String(kSynopsis)));
}

struct TRenderArgs {
    QString File;
    QString Out;
    TSkinWindow Window = TSkinWindow::Main;
    int Scheme = 0;
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
        if (arg == QLatin1String("--window") || arg == QLatin1String("--scheme")) {
            if (++i >= args.size())
                Usage();
            if (arg == QLatin1String("--window")) {
                parsed.Window = WindowByName(args[i]);
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

QString QxspRenderUsage() {
    return QStringLiteral(
        "  qxsp render FILE OUT.png [--window main|equalizer|tray] [--scheme N]\n"
        "                                  a window of the skin as the editor previews it\n"
        "                                  (main window by default), in colour scheme N\n");
}

void CmdRender(const QStringList& args, QxspContext&) {
    const TRenderArgs parsed = ParseArgs(args);
    // The editor shows its built-in skin for a file that is no package; a
    // tool that did so would answer a typing error with a picture.
    {
        TVESKCustomFile probe;
        LoadPackageFile(parsed.File, probe);
    }
    // Loading installs the skin's fonts for the labels; they go with the tool.
    const auto removeFonts = qScopeGuard([] { RemoveFonts(FontsFolder()); });
    auto file = std::make_unique<TQXSPFile>();
    file->LoadFromFile(parsed.File);
    TSkinPreviewSet previews;
    previews.Load(std::move(file));
    if (!previews.ApplyScheme(parsed.Scheme))
        throw QxspFailure(QStringLiteral("%1 has no colour scheme %2 (it has 0 to %3)")
                              .arg(parsed.File)
                              .arg(parsed.Scheme)
                              .arg(previews.Package()->GetThemeCount() - 1));
    const QImage image = RenderPreviewImage(previews.Root(parsed.Window));
    if (image.isNull())
        throw QxspFailure(
            QStringLiteral("%1: the window has no size that can be drawn").arg(parsed.File));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(image))
        throw QxspFailure(
            QStringLiteral("cannot encode %1: %2").arg(parsed.Out, writer.errorString()));
    WriteWholeFile(parsed.Out, png.data());
}
