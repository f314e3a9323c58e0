#include <QRegularExpression>
#include <QTemporaryDir>

#include "EditingTestSupport.h"
#include "TestRegistry.h"
#include "controls/VESKSELabel.h"
#include "controls/VESK_SE_Panel.h"

using namespace EditingTest;

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");

} // namespace

// The editors behind the non-rectangle rows, driven by double clicks on the
// real property list.
class TestPropertyEditing : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    // No edit here may end in the error box.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("error box"))); }
    void cleanup() { SelectedElement = nullptr; }

    void stripOrientationCyclesAndRendersEachStep() {
        TForm f(2);
        f.Tray().WriteInteger(QStringLiteral("SKIN_CFG"), QStringLiteral("traylc"), 0);
        f.Click(QStringLiteral("traylc"));
        auto* strip = qobject_cast<TVESKSESkin*>(f.Element(QStringLiteral("traylc")));
        QList<QImage> looks{strip->ImgBackGround()};
        const QStringList shown{"Hor.Invert", "Vertical", "Horizontal"};
        for (int step = 0; step < 3; ++step) {
            QVERIFY(f.DoubleClick(QStringLiteral("Orientation")));
            QCOMPARE(f.Tray().ReadInteger(QStringLiteral("SKIN_CFG"), QStringLiteral("traylc"), -1),
                     (step + 1) % 3);
            QCOMPARE(f.Shown(QStringLiteral("Orientation")), shown[step]);
            looks << strip->ImgBackGround();
        }
        // The strip was loaded as the skin has it: vertical.
        QCOMPARE(looks[2], looks[0]);
        QVERIFY(looks[1] != looks[2]);
        QVERIFY(looks[2] != looks[3]);
        QVERIFY(looks[3] != looks[1]);
    }

    void integerEditorWritesOnlyNumbers_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<int>("stored");
        QTest::newRow("number") << std::optional<QString>(QStringLiteral("7")) << 7;
        QTest::newRow("not a number") << std::optional<QString>(QStringLiteral("12a")) << 50;
        QTest::newRow("cancelled") << std::optional<QString>() << 50;
    }
    void integerEditorWritesOnlyNumbers() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(int, stored);
        TForm f;
        f.Click(QStringLiteral("SPECTRUM"));
        const QByteArray before = f.Documents();
        f.Dialogs.TextAnswer = answer;
        QVERIFY(f.DoubleClick(QStringLiteral("Peaks Count")));
        QCOMPARE(QStringList({f.Dialogs.TextCaption, f.Dialogs.TextPrompt, f.Dialogs.TextInitial}),
                 QStringList({"Integer Value Editor", "Value", "50"}));
        QCOMPARE(f.Main().ReadInteger(QStringLiteral("SKIN_OPTIONS"),
                                      QStringLiteral("SpectrumPeaks"), -1),
                 stored);
        if (stored == 50)
            QCOMPARE(f.Documents(), before);
        QCOMPARE(f.Shown(QStringLiteral("Peaks Count")), QString::number(stored));
    }

    void boolRowFlips() {
        TForm f;
        f.Click(QStringLiteral("SeekBar"));
        QCOMPARE(f.Shown(QStringLiteral("Horizontral")), QStringLiteral("True"));
        QVERIFY(f.DoubleClick(QStringLiteral("Horizontral")));
        QVERIFY(!f.Main().ReadBool(QStringLiteral("SKIN_WIDTHS"),
                                   QStringLiteral("SeekBar_HORIZONTAL"), true));
        QCOMPARE(f.Shown(QStringLiteral("Horizontral")), QStringLiteral("False"));
        QVERIFY(f.DoubleClick(QStringLiteral("Horizontral")));
        QCOMPARE(f.Shown(QStringLiteral("Horizontral")), QStringLiteral("True"));
    }

    void colourRowTakesTheChosenColourOnlyWhenConfirmed() {
        TForm f;
        f.Click(QStringLiteral("SPECTRUM"));
        const QString key = QStringLiteral("SpectrumColor");
        const QString section = QStringLiteral("SKIN_OPTIONS");
        f.Main().WriteInteger(section, key, 0x0000FF); // red, as the skin stores it
        f.Click(QStringLiteral("SPECTRUM"));
        QVERIFY(f.DoubleClick(QStringLiteral("Spectrum Color")));
        QCOMPARE(f.Dialogs.ColorAsked, QColor(255, 0, 0));
        QCOMPARE(f.Main().ReadInteger(section, key, -1), 0x0000FF);

        f.Dialogs.ColorAnswer = QColor(0x12, 0x34, 0x56);
        QVERIFY(f.DoubleClick(QStringLiteral("Spectrum Color")));
        QCOMPARE(f.Main().ReadInteger(section, key, -1), 0x563412);
    }

    void fontRowWritesTheWritersFormAndReloadsTheLabel() {
        TForm f;
        f.Click(QStringLiteral("Infobar"));
        f.Dialogs.FontAnswer =
            TFont{QStringLiteral("Verdana"), 255, -13, fsBold | fsItalic | fsStrikeOut};
        QVERIFY(f.DoubleClick(QStringLiteral("Font")));
        QCOMPARE(f.Dialogs.FontAsked.Name, QStringLiteral("Tahoma"));
        QCOMPARE(f.Main().ReadString(kFonts, QStringLiteral("Infobar"), {}),
                 QStringLiteral("Verdana,255,13,3"));
        const TFont shown = qobject_cast<TVESKSELabel*>(f.Element("Infobar"))->Font();
        QCOMPARE(shown.Name, QStringLiteral("Verdana"));
        QCOMPARE(shown.Height, 13);
        QCOMPARE(shown.Style, TFontStyles(fsBold | fsItalic));
    }

    void fontColourRowRewritesEvenWhenCancelled_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<std::optional<QColor>>("answer");
        QTest::addColumn<QString>("written");
        QTest::newRow("cancelled")
            << "Arial,255,-13,3" << std::optional<QColor>() << "Arial,255,13,3";
        QTest::newRow("chosen") << "Arial,255,-13,3" << std::optional<QColor>(QColor(0, 0, 255))
                                << "Arial,16711680,13,3";
        QTest::newRow("empty, cancelled") << QString() << std::optional<QColor>() << ",0,0,0";
    }
    void fontColourRowRewritesEvenWhenCancelled() {
        QFETCH(QString, stored);
        QFETCH(std::optional<QColor>, answer);
        QFETCH(QString, written);
        TForm f;
        // An empty value reads as a missing one.
        f.Main().WriteString(kFonts, QStringLiteral("Infobar"), stored);
        f.Click(QStringLiteral("Infobar"));
        f.Dialogs.ColorAnswer = answer;
        QVERIFY(f.DoubleClick(QStringLiteral("FontColor")));
        QCOMPARE(f.Main().ReadString(kFonts, QStringLiteral("Infobar"), {}), written);
    }

    void doubleClickWithoutSelectedRowAsksNothing() {
        TForm f;
        f.Click(QStringLiteral("SPECTRUM"));
        f.Form.ListView1->clearSelection();
        f.Form.ListView1DblClick();
        QCOMPARE(f.Dialogs.Calls, 0);
    }
};

QX_REGISTER_TEST(TestPropertyEditing)
#include "tst_PropertyEditing.moc"
