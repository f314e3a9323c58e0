// The skin package as the editor opens it: container, main.ini, the member
// objects (bitmaps through the one decoder), colour schemes and fonts. Fonts go to a
// throw-away folder; nothing may appear outside it.

#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "FuzzSupport.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"
#include "text/SkinProject.h"

namespace {

// The root holds the fonts folder and nothing else, so a font that escaped
// its folder shows up as a second entry.
QTemporaryDir* Root = nullptr;

void CheckNothingEscaped() {
    const QDir root(Root->path());
    const QStringList entries =
        root.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    FUZZ_CHECK(entries.isEmpty() || entries == QStringList{QStringLiteral("fonts")});
    const QStringList fonts =
        QDir(FontsFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : fonts)
        FUZZ_CHECK(name.startsWith(QLatin1String("veskskin_")));
    FUZZ_CHECK(QDir(FontsFolder() + QStringLiteral("veskskin_a")).isEmpty());
}

void UseSchemes(TQXSPFile& file) {
    for (int i = 0; i < file.GetThemeCount(); ++i) {
        try {
            file.GetThemeName(i);
            file.GetThemeValue(i);
        } catch (const EConvertError&) {
        }
    }
}

// Recolours a small corner only: a whole texture sheet per run would make
// the fuzzer crawl without reaching new code.
void UseBitmaps(TQXSPFile& file) {
    if (!file.MainBmp || file.MainBmp->isNull())
        return;
    QImage corner = file.MainBmp->copy(0, 0, 16, 16);
    try {
        CurrentTheme = file.GetThemeValue(1);
        file.ApplyTheme(corner);
    } catch (const EConvertError&) {
    }
    CurrentTheme = 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    SilenceQtMessages();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Root = new QTemporaryDir;
    if (!Root->isValid())
        std::abort();
    const QString fonts = QDir(Root->path()).filePath(QStringLiteral("fonts"));
    // A font named "a/../../x.ttf" would climb out through this folder, were
    // such names not refused.
    QDir().mkpath(QDir(fonts).filePath(QStringLiteral("veskskin_a")));
    qputenv("QX_FONTS_DIR", QFile::encodeName(fonts));
    // Fonts register with, and images decode through, the GUI application;
    // it lives as long as the process.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    {
        TQXSPFile file;
        FuzzStream input(bytes);
        try {
            FUZZ_CHECK(file.LoadFromStream(input));
            FUZZ_CHECK(file.GetThemeCount() >= 1 &&
                       file.GetThemeCount() <= TQXSPCustomFile::MaxThemeCount);
        } catch (const EVESKError&) {
            // "Stream read error" for a package cut short, or a colour
            // scheme count that is no number: the editor shows the text
            // and drops the package.
        }
        FUZZ_CHECK(file.Project != nullptr);
        UseSchemes(file);
        UseBitmaps(file);
    }
    CheckNothingEscaped();
    RemoveFonts(FontsFolder());
    return 0;
}
