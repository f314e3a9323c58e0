// qxskingen: draws the default skin's bitmaps from its INI texts and writes
// the finished members, ready to be packed, into one folder.
//
//   qxskingen SOURCE_DIR OUTPUT_DIR [CONTACT_SHEET.png]

#include <cstdio>
#include <exception>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "skingen/ContactSheet.h"
#include "skingen/ElementTextures.h"
#include "skingen/IconStrip.h"
#include "skingen/MainAreas.h"
#include "skingen/OtherAreas.h"
#include "skingen/Previews.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinFiles.h"

namespace {

struct TPaths {
    QDir Source;
    QDir Output;
    QString In(const char* name) const { return Source.filePath(QLatin1String(name)); }
    QString Out(const char* name) const { return Output.filePath(QLatin1String(name)); }
};

void CopyTextMembers(const TPaths& paths) {
    for (const char* name :
         {"main.ini", "parent.ini", "equa.ini", "tray.ini", "tray_parent.ini", "info.txt"})
        WriteTextMember(paths.In(name), paths.Out(name));
    // The packer's own list stays as written.
    QFile::remove(paths.Out("qxsp-manifest.txt"));
    if (!QFile::copy(paths.In("qxsp-manifest.txt"), paths.Out("qxsp-manifest.txt")))
        throw std::runtime_error("cannot copy the manifest");
}

int Run(const QStringList& args) {
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: qxskingen SOURCE_DIR OUTPUT_DIR [CONTACT_SHEET.png]\n");
        return 2;
    }
    const TPaths paths{QDir(args[1]), QDir(args[2])};
    if (!paths.Output.exists() && !QDir().mkpath(paths.Output.path()))
        throw std::runtime_error("cannot create " + args[2].toStdString());
    CopyTextMembers(paths);

    auto mainIni = LoadIniSource(paths.In("main.ini"));
    auto parentIni = LoadIniSource(paths.In("parent.ini"));
    TSkinCanvas main(TSkinWindow::Main, *mainIni, MainParents(*parentIni));
    PaintMainAreas(main);
    PaintElementTextures(main);
    PaintPlaylistTextures(main);
    WriteBmp24(main.Atlas(), paths.Out("main.bmp"));

    auto equaIni = LoadIniSource(paths.In("equa.ini"));
    TSkinCanvas equalizer(TSkinWindow::Equalizer, *equaIni, {});
    PaintEqualizerAreas(equalizer);
    PaintElementTextures(equalizer);
    WriteBmp24(equalizer.Atlas(), paths.Out("equa.bmp"));

    auto trayIni = LoadIniSource(paths.In("tray.ini"));
    auto trayParentIni = LoadIniSource(paths.In("tray_parent.ini"));
    TSkinCanvas tray(TSkinWindow::Tray, *trayIni, TrayParents(*trayParentIni));
    PaintTrayAreas(tray);
    PaintElementTextures(tray);
    WriteBmp24(tray.Atlas(), paths.Out("tray.bmp"));

    const QColor gutter = ColorToQColor(mainIni->ReadInteger("SKIN_FONTS", "GutterColor", 0));
    const QImage icons = PaintIconStrip(gutter);
    WriteBmp24(icons, paths.Out("imglist.bmp"));

    TSkinWindowSource mainSource{mainIni.get(), main.Atlas(), MainParents(*parentIni)};
    const QImage mask = BuildMainMask(mainSource, ComposeMainWindow(mainSource, false));
    WriteBmp24(mask, paths.Out("mask.bmp"));

    if (args.size() > 3) {
        TSkinWindowSource eqSource{equaIni.get(), equalizer.Atlas(), {}};
        TSkinWindowSource traySource{trayIni.get(), tray.Atlas(), TrayParents(*trayParentIni)};
        const std::vector<TSheetItem> items = {
            {"main.bmp", main.Atlas(), 0},
            {"equa.bmp", equalizer.Atlas(), 0},
            {"main window with playlist dock (composed, sample texts)",
             ComposeMainWindow(mainSource, true), 1},
            {"mask.bmp", mask, 1},
            {"equalizer (composed)", ComposeEqualizer(eqSource, true), 1},
            {"tray.bmp", tray.Atlas(), 2},
            {"tray controller (composed)", ComposeTray(traySource, true), 2},
            {"imglist.bmp (first 25 icons)", icons.copy(0, 0, 400, 16), 2},
            {"imglist.bmp (last 25 icons)", icons.copy(400, 0, 400, 16), 2},
            {"the icons on the menu's gutter colour", IconsOnGround(icons, gutter).copy(0, 0, 400, 16), 2},
            {"", IconsOnGround(icons, gutter).copy(400, 0, 400, 16), 2},
        };
        const QImage sheet = PaintContactSheet("Default skin \"Graphite\" - contact sheet, 2x", items, 2);
        if (!sheet.save(args[3], "PNG"))
            throw std::runtime_error("cannot write " + args[3].toStdString());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Text needs a GUI application for fonts; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Run(app.arguments());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qxskingen: %s\n", e.what());
        return 1;
    }
}
