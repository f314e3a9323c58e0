// The menu page: the looks wait in swatches until a save writes them, the
// sample shows them as the player's menu would, and the icon strip and the
// fonts go into the package at once.

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "BuiltInSkin.h"
#include "PagesTestSupport.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "compiler/EditorSaveTarget.h"
#include "compiler/QX_SE_Save.h"
#include "editor/PaintBox.h"
#include "graphics/VESKHue.h"

using namespace PagesTest;

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray Member(TQXSPFile& package, const QString& name) {
    const auto stream = package.ExtractFile(name);
    return stream ? stream->data() : QByteArray("(missing)");
}

// Saves the window's skin as the save command does and reads the file back.
std::unique_ptr<TQXSPFile> SaveAndReload(TQXForm& form, const QString& fileName) {
    TSaveTarget target = SaveTargetOf(form);
    TSilentSaveLog log;
    RunSavePipeline(target, fileName, log);
    auto saved = std::make_unique<TQXSPFile>();
    saved->LoadFromFile(fileName);
    return saved;
}

QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

// Pixels of row band [top, top + 20) between x0 and x1 that differ from
// the background.
int InkIn(const QImage& image, int top, int x0, int x1, QRgb background) {
    int ink = 0;
    for (int y = top + 1; y < top + 19; ++y)
        for (int x = x0; x < x1; ++x)
            ink += image.pixel(x, y) != background;
    return ink;
}

} // namespace

class MenuPageTest : public QObject {
    Q_OBJECT

private slots:
    void swatchButtonsChangeOnlyTheSwatch_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("swatch");
        QTest::newRow("gutter") << "Button12"
                                << "Panel14";
        QTest::newRow("menu") << "Button13"
                              << "Panel15";
        QTest::newRow("selected") << "Button14"
                                  << "Panel16";
        QTest::newRow("border") << "Button4"
                                << "Panel19";
    }
    void swatchButtonsChangeOnlyTheSwatch() {
        QFETCH(QString, button);
        QFETCH(QString, swatch);
        TForm form(TForm::Menu);
        auto* panel = form.Form.findChild<QFrame*>(swatch);
        const TColor before = SwatchColor(panel);
        const QByteArray document = form.Document();

        Click(form.Form.findChild<QPushButton*>(button));
        QCOMPARE(form.Dialogs.ColorAsked, ColorToQColor(before));
        QCOMPARE(SwatchColor(panel), before);

        form.Dialogs.ColorAnswer = QColor(7, 8, 9);
        Click(form.Form.findChild<QPushButton*>(button));
        QCOMPARE(SwatchColor(panel), RGBColor(7, 8, 9));
        QCOMPARE(form.Document(), document);
    }

    void fontButtonGivesTheSampleAPositiveHeight() {
        TForm form(TForm::Menu);
        const QByteArray document = form.Document();
        const TFont before = SampleFont(form.Form.Panel17);
        form.Dialogs.FontAnswer = TFont{QStringLiteral("Verdana"), 255, -15, fsBold};
        Click(form.Form.Button15);
        QCOMPARE(form.Dialogs.FontAsked, before);
        QCOMPARE(SampleFont(form.Form.Panel17),
                 (TFont{QStringLiteral("Verdana"), 255, 15, fsBold}));
        QCOMPARE(form.Document(), document);
    }

    // The page holds the open skin's looks only: a font colour chosen for
    // skin A never reaches skin B's save, and B's own values (a system
    // colour, height 0) are written back as they were.
    void openedSkinKeepsItsOwnMenuLooks() {
        QTemporaryDir dir;
        const QString skinB = dir.filePath(QStringLiteral("b.qxsp"));
        const QString menuFont = QStringLiteral("MS Sans Serif,-16777208,0,2");
        WriteBuiltInSkin(skinB, {"SKIN_FONTS|MENUFONT|" + menuFont, "SKIN_FONTS|MENUCOLOR|255"});
        TForm form(TForm::Menu);
        form.Dialogs.FontAnswer = TFont{QStringLiteral("Tahoma"), RGBColor(1, 2, 3), 12, 0};
        Click(form.Form.Button15);
        form.Dialogs.OpenAnswer = skinB;
        form.Form.Button1Click();
        QCOMPARE(form.Form.Panel17->palette().color(QPalette::Window), QColor(255, 0, 0));

        TSaveForm::SetStatusPause(0);
        form.Dialogs.SaveAnswer = dir.filePath(QStringLiteral("out"));
        form.Form.SpeedButton2Click();
        QCOMPARE(form.Dialogs.SaveSuggested, skinB);
        TQXSPFile saved;
        saved.LoadFromFile(dir.filePath(QStringLiteral("out.qxsp")));
        QCOMPARE(saved.Project->ReadString(kFonts, QStringLiteral("MENUFONT"), {}), menuFont);
    }

    // Five text items, a separator in place of item 2, item 1 selected, and
    // the Enter key's name at the right of every text item.
    void sampleShowsTheMenuAsThePlayerDrawsIt() {
        TForm form(TForm::Menu);
        const auto answer = [&](QPushButton* button, QColor color) {
            form.Dialogs.ColorAnswer = color;
            Click(button);
        };
        answer(form.Form.Button12, QColor(0, 100, 0));   // gutter
        answer(form.Form.Button13, QColor(0, 0, 100));   // menu
        answer(form.Form.Button14, QColor(200, 200, 0)); // selected
        answer(form.Form.Button4, QColor(255, 0, 0));    // border
        form.Dialogs.FontAnswer =
            TFont{QStringLiteral("DejaVu Sans"), RGBColor(255, 255, 255), -11, 0};
        Click(form.Form.Button15);

        const QImage sample = form.Form.Painter->grab().toImage();
        const int w = sample.width();
        QVERIFY(w >= 180);
        QCOMPARE(sample.height(), 120);
        const QRgb gutter = qRgb(0, 100, 0), menu = qRgb(0, 0, 100);
        const QRgb selected = qRgb(200, 200, 0), border = qRgb(255, 0, 0);

        for (int item : {0, 3, 4, 5}) {
            const int top = 20 * item;
            QCOMPARE(sample.pixel(3, top + 1), gutter);
            QCOMPARE(sample.pixel(19, top + 18), gutter);
            QCOMPARE(sample.pixel(20, top + 1), menu);
            QCOMPARE(sample.pixel(w - 1, top + 19), menu);
            QVERIFY(InkIn(sample, top, 25, 70, menu) > 0);        // "Item n"
            QVERIFY(InkIn(sample, top, w - 50, w - 5, menu) > 0); // "Enter"
            // Right-aligned five pixels in from the edge; a glyph may overhang
            // its box by a pixel.
            QCOMPARE(InkIn(sample, top, w - 3, w, menu), 0);
            QCOMPARE(InkIn(sample, top, 0, 20, gutter), 0);
        }

        // Item 1 on the selected colour inside the border colour, gutter
        // included.
        for (int x : {0, w / 2, w - 1}) {
            QCOMPARE(sample.pixel(x, 20), border);
            QCOMPARE(sample.pixel(x, 39), border);
        }
        for (int y : {21, 30, 38}) {
            QCOMPARE(sample.pixel(0, y), border);
            QCOMPARE(sample.pixel(w - 1, y), border);
            QCOMPARE(sample.pixel(5, y), selected);
        }
        QVERIFY(InkIn(sample, 20, 25, 70, selected) > 0);
        QVERIFY(InkIn(sample, 20, w - 50, w - 5, selected) > 0);

        // Item 2: one line at its middle, from the text's left edge on, at
        // 80 % of the base colour; no text.
        const QRgb line = ColorToRgb(ScaleColor(GetSysColor(15), 0.8f));
        for (int y = 40; y < 60; ++y) {
            QCOMPARE(sample.pixel(10, y), gutter);
            for (int x = 20; x < w; ++x)
                QCOMPARE(sample.pixel(x, y), y == 50 && x >= 25 ? line : menu);
        }
    }

    void openedStripGoesIntoThePackage() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("icons.bmp"));
        QVERIFY(Pattern(48, 16).save(file, "BMP"));
        TForm form(TForm::Menu);
        form.Dialogs.OpenAnswer = file;
        Click(form.Form.Button17);
        QVERIFY(form.Dialogs.OpenFilter.contains(QStringLiteral("*.bmp")));
        QCOMPARE(form.Form.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Pattern(48, 16));
        const QImage member =
            QImage::fromData(Member(*form.Form.SkinFile, QStringLiteral("imglist.bmp")), "BMP");
        QCOMPARE(member.convertToFormat(QImage::Format_RGB32), Pattern(48, 16));
    }

    void unreadableStripIsReportedAndChangesNothing() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("icons.bmp"));
        WriteFile(file, "not a bitmap");
        TForm form(TForm::Menu);
        const QByteArray before = Member(*form.Form.SkinFile, QStringLiteral("imglist.bmp"));
        const QSize shown = form.Form.Image1->pixmap().size();
        form.Dialogs.OpenAnswer = file;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^error box: .*icons\\.bmp")));
        Click(form.Form.Button17);
        QCOMPARE(Member(*form.Form.SkinFile, QStringLiteral("imglist.bmp")), before);
        QCOMPARE(form.Form.Image1->pixmap().size(), shown);
    }

    void savedStripIsABitmapFile() {
        QTemporaryDir dir;
        TForm form(TForm::Menu);
        const QImage strip = form.Form.Image1->pixmap().toImage();
        QCOMPARE(strip.size(), QSize(800, 16));
        form.Dialogs.SaveAnswer = dir.filePath(QStringLiteral("strip.png"));
        Click(form.Form.Button18);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("strip.png"))));
        QImage saved(dir.filePath(QStringLiteral("strip.bmp")), "BMP");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 strip.convertToFormat(QImage::Format_RGB32));
    }

    // The swatches reach the document only with a save; a cleared strip is
    // saved as an empty member.
    void clearedStripAndChangedSwatchAreSaved() {
        QTemporaryDir dir;
        TForm form(TForm::Menu);
        form.Dialogs.ColorAnswer = QColor(1, 2, 3);
        Click(form.Form.Button13);
        Click(form.Form.Button16);
        QVERIFY(form.Form.Image1->pixmap().isNull());
        QCOMPARE(Member(*form.Form.SkinFile, QStringLiteral("imglist.bmp")), QByteArray());
        // There is no picture to save: the user is told, and no file asked for.
        Click(form.Form.Button18);
        QCOMPARE(form.Dialogs.InformationCalls, 1);
        QCOMPARE(form.Dialogs.SaveCalls, 0);

        const auto saved = SaveAndReload(form.Form, dir.filePath(QStringLiteral("s.qxsp")));
        QCOMPARE(Member(*saved, QStringLiteral("imglist.bmp")), QByteArray());
        QCOMPARE(saved->Project->ReadInteger(kFonts, QStringLiteral("MENUCOLOR"), 0),
                 RGBColor(1, 2, 3));
    }

    void addedFontTravelsWithThePackage() {
        QTemporaryDir dir;
        const QString font = dir.filePath(QStringLiteral("Skinny.TTF"));
        WriteFile(font, "glyphs");

        TForm form(TForm::Menu);
        form.Dialogs.OpenAnswer = font;
        Click(form.Form.Button2);
        QVERIFY(form.Dialogs.OpenFilter.contains(QStringLiteral("*.ttf")));
        QCOMPARE(
            form.Form.ListBox1->findItems(QStringLiteral("Skinny.TTF"), Qt::MatchExactly).size(),
            1);
        QCOMPARE(Member(*form.Form.SkinFile, QStringLiteral("Skinny.TTF")), QByteArray("glyphs"));

        const QString package = dir.filePath(QStringLiteral("s.qxsp"));
        SaveAndReload(form.Form, package);
        TForm reopened(TForm::Menu);
        reopened.Form.OpenSkin(package);
        QCOMPARE(reopened.Form.ListBox1->count(), 1);
        QCOMPARE(reopened.Form.ListBox1->item(0)->text(), QStringLiteral("Skinny.TTF"));

        reopened.Form.ListBox1->setCurrentRow(0);
        Click(reopened.Form.Button3);
        QCOMPARE(reopened.Form.ListBox1->count(), 0);
        QCOMPARE(Member(*reopened.Form.SkinFile, QStringLiteral("Skinny.TTF")),
                 QByteArray("(missing)"));
    }

    // A member that is not a font would never be listed, so the user could
    // not remove it again.
    void onlyFontsAreAdded_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other extension") << "main.ini";
        QTest::newRow("longer than a member name") << "AVeryLongFontNameThatGetsCutShort.ttf";
    }
    void onlyFontsAreAdded() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        WriteFile(file, "x");
        TForm form(TForm::Menu);
        const int members = form.Form.SkinFile->Count();
        const QByteArray ini = Member(*form.Form.SkinFile, QStringLiteral("main.ini"));
        form.Dialogs.OpenAnswer = file;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^error box: ")));
        Click(form.Form.Button2);
        QCOMPARE(form.Form.SkinFile->Count(), members);
        QCOMPARE(Member(*form.Form.SkinFile, QStringLiteral("main.ini")), ini);
    }
};

QX_REGISTER_TEST(MenuPageTest)
#include "tst_MenuPage.moc"
