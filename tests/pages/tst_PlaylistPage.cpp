// The playlist page writes every colour, font and texture into the main
// document at once, under the key its control stands for.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "PagesTestSupport.h"
#include "TestRegistry.h"
#include "compiler/EditorSaveTarget.h"

using namespace PagesTest;

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");
const QString kRects = QStringLiteral("SKIN_RECTS");

QPushButton* Button(TQXForm& form, const QString& name) {
    auto* button = form.findChild<QPushButton*>(name);
    if (!button)
        qWarning("no button %s", qPrintable(name));
    return button;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class PlaylistPageTest : public QObject {
    Q_OBJECT

private slots:
    void colourButtonWritesSwatchAndKey_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("key");
        QTest::newRow("background") << "Button28"
                                    << "Panel25"
                                    << "PLSBK";
        QTest::newRow("selected") << "Button29"
                                  << "Panel26"
                                  << "PLSActive";
        QTest::newRow("playing") << "Button30"
                                 << "Panel27"
                                 << "PLSPlay";
    }
    void colourButtonWritesSwatchAndKey() {
        QFETCH(QString, button);
        QFETCH(QString, swatch);
        QFETCH(QString, key);
        TForm form(TForm::Playlist);
        auto* panel = form.Form.findChild<QFrame*>(swatch);
        const TColor before = form.Main().ReadInteger(kFonts, key, -1);
        QCOMPARE(SwatchColor(panel), before);

        form.Dialogs.ColorAnswer = QColor(10, 20, 30);
        Click(Button(form.Form, button));
        QCOMPARE(form.Dialogs.ColorAsked, ColorToQColor(before));
        QCOMPARE(form.Main().ReadInteger(kFonts, key, -1), RGBColor(10, 20, 30));
        QCOMPARE(SwatchColor(panel), RGBColor(10, 20, 30));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    void colourCancelLeavesSwatchAndDocument() {
        TForm form(TForm::Playlist);
        const QByteArray document = form.Document();
        const TColor shown = SwatchColor(form.Form.Panel26);
        Click(form.Form.Button29);
        QCOMPARE(form.Dialogs.Calls, 1);
        QCOMPARE(SwatchColor(form.Form.Panel26), shown);
        QCOMPARE(form.Document(), document);
    }

    void fontButtonWritesItsKey_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("normal") << "Button72"
                                << "PLSNRM";
        QTest::newRow("selected") << "Button73"
                                  << "PLSSEL";
        QTest::newRow("playing") << "Button74"
                                 << "PLSCUR";
        QTest::newRow("tab normal") << "Button41"
                                    << "PLSTABN";
        QTest::newRow("tab active") << "Button43"
                                    << "PLSTABA";
    }
    void fontButtonWritesItsKey() {
        QFETCH(QString, button);
        QFETCH(QString, key);
        TForm form(TForm::Playlist);
        form.Dialogs.FontAnswer = TFont{QStringLiteral("Verdana"), 255, -14, fsBold | fsItalic};
        const QByteArray before = form.Document();
        const QString old = form.Main().ReadString(kFonts, key, QString());
        Click(Button(form.Form, button));
        QCOMPARE(form.Main().ReadString(kFonts, key, QString()),
                 QStringLiteral("Verdana,255,14,3"));
        // Nothing but that key changed.
        form.Main().WriteString(kFonts, key, old);
        QCOMPARE(form.Document(), before);
    }

    // Each "Цвет шрифта" button sits beside one tab font and colours the
    // other one.
    void fontColourButtonsActOnTheOtherRow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("upper colours the active tab") << "Button42"
                                                      << "PLSTABA"
                                                      << "PLSTABN";
        QTest::newRow("lower colours the normal tab") << "Button44"
                                                      << "PLSTABN"
                                                      << "PLSTABA";
    }
    void fontColourButtonsActOnTheOtherRow() {
        QFETCH(QString, button);
        QFETCH(QString, changed);
        QFETCH(QString, kept);
        TForm form(TForm::Playlist);
        form.Main().WriteString(kFonts, QStringLiteral("PLSTABA"),
                                   QStringLiteral("Tahoma,1,11,2"));
        form.Main().WriteString(kFonts, QStringLiteral("PLSTABN"),
                                   QStringLiteral("Arial,2,12,0"));
        const QString keptBefore = form.Main().ReadString(kFonts, kept, QString());

        form.Dialogs.ColorAnswer = QColor(0, 0, 255);
        Click(Button(form.Form, button));
        const QString expected = changed == QStringLiteral("PLSTABA")
                                     ? QStringLiteral("Tahoma,16711680,11,2")
                                     : QStringLiteral("Arial,16711680,12,0");
        QCOMPARE(form.Main().ReadString(kFonts, changed, QString()), expected);
        QCOMPARE(form.Main().ReadString(kFonts, kept, QString()), keptBefore);
    }

    void currentTabColourStartsWhiteWhenAbsent() {
        TForm form(TForm::Playlist);
        form.DropLines("PLSTABC=");
        QVERIFY(!form.Main().ValueExists(kFonts, QStringLiteral("PLSTABC")));
        Click(form.Form.Button46);
        QCOMPARE(form.Dialogs.ColorAsked, QColor(Qt::white));
        QVERIFY(!form.Main().ValueExists(kFonts, QStringLiteral("PLSTABC")));

        form.Dialogs.ColorAnswer = QColor(1, 2, 3);
        Click(form.Form.Button46);
        QCOMPARE(form.Main().ReadString(kFonts, QStringLiteral("PLSTABC"), QString()),
                 QString::number(RGBColor(1, 2, 3)));
    }

    void textureButtonWritesItsKey_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::newRow("frame top") << "Button35"
                                   << "Edit17"
                                   << "PLSTOP";
        QTest::newRow("frame bottom") << "Button36"
                                      << "Edit18"
                                      << "PLSBTM";
        QTest::newRow("frame left") << "Button37"
                                    << "Edit19"
                                    << "PLSLEFT";
        QTest::newRow("frame right") << "Button38"
                                     << "Edit20"
                                     << "PLSRIGHT";
        QTest::newRow("tab active") << "Button39"
                                    << "Edit21"
                                    << "TAB_ACT";
        QTest::newRow("tab normal") << "Button40"
                                    << "Edit22"
                                    << "TAB_BK";
        QTest::newRow("up normal") << "Button31"
                                   << "Edit13"
                                   << "SCROLLUP_NRM";
        QTest::newRow("up selected") << "Button32"
                                     << "Edit14"
                                     << "SCROLLUP_SEL";
        QTest::newRow("up down") << "Button45"
                                 << "Edit23"
                                 << "SCROLLUP_DWN";
        QTest::newRow("down normal") << "Button49"
                                     << "Edit24"
                                     << "SCROLLDOWN_NRM";
        QTest::newRow("down selected") << "Button48"
                                       << "Edit25"
                                       << "SCROLLDOWN_SEL";
        QTest::newRow("down down") << "Button47"
                                   << "Edit26"
                                   << "SCROLLDOWN_DWN";
        QTest::newRow("scroll area") << "Button33"
                                     << "Edit15"
                                     << "SCROLLSLIDER_BK";
        QTest::newRow("scroll thumb") << "Button34"
                                      << "Edit16"
                                      << "SCROLLSLIDER_THM";
        QTest::newRow("track on") << "Button70"
                                  << "Edit38"
                                  << "PLS_CHECK";
        QTest::newRow("track off") << "Button71"
                                   << "Edit39"
                                   << "PLS_UNCHECK";
    }
    void textureButtonWritesItsKey() {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, key);
        TForm form(TForm::Playlist);
        auto* edit = form.Form.findChild<QLineEdit*>(box);
        const QString stored = form.Main().ReadString(kRects, key, QString());
        QVERIFY(!stored.isEmpty());
        QCOMPARE(edit->text(), stored);

        form.Dialogs.RectAnswer = TRect{326, 182, 339, 225};
        Click(Button(form.Form, button));
        QCOMPARE(RectToStr(form.Dialogs.RectAsked), stored);
        QCOMPARE(form.Dialogs.SizeLockedAsked, false);
        QCOMPARE(form.Dialogs.ImageAsked, *form.Form.SkinFile->MainBmp);
        QCOMPARE(form.Main().ReadString(kRects, key, QString()),
                 QStringLiteral("326,182,339,225"));
        QCOMPARE(edit->text(), QStringLiteral("326,182,339,225"));
        // The selected scroll background always follows the normal one.
        if (key == QStringLiteral("SCROLLSLIDER_BK"))
            QCOMPARE(
                form.Main().ReadString(kRects, QStringLiteral("SCROLLSLIDER_BKS"), QString()),
                QStringLiteral("326,182,339,225"));
        else
            QVERIFY(form.Main().ReadString(kRects, QStringLiteral("SCROLLSLIDER_BKS"),
                                              QString()) != QStringLiteral("326,182,339,225"));
    }

    void missingTextureShowsEmptyRectangleAndAPickCreatesIt() {
        TForm form(TForm::Playlist);
        form.DropLines("PLS_CHECK=");
        form.Form.FillPlaylistTab();
        QCOMPARE(form.Form.Edit38->text(), QStringLiteral("0,0,0,0"));

        form.Dialogs.RectAnswer = TRect{1, 2, 11, 12};
        Click(form.Form.Button70);
        QCOMPARE(RectToStr(form.Dialogs.RectAsked), QStringLiteral("0,0,0,0"));
        QCOMPARE(form.Main().ReadString(kRects, QStringLiteral("PLS_CHECK"), QString()),
                 QStringLiteral("1,2,11,12"));
    }

    void cancelledPickWritesNothing() {
        TForm form(TForm::Playlist);
        const QString stored = form.Form.Edit16->text();
        const QByteArray document = form.Document();
        Click(form.Form.Button34);
        QCOMPARE(form.Dialogs.Calls, 1);
        QCOMPARE(form.Document(), document);
        QCOMPARE(form.Form.Edit16->text(), stored);
    }

    void malformedTextureIsReportedAndNothingWritten() {
        TForm form(TForm::Playlist);
        form.Main().WriteString(kRects, QStringLiteral("TAB_BK"), QStringLiteral("1,2,x,4"));
        form.Form.FillPlaylistTab();
        const QByteArray document = form.Document();
        form.Dialogs.RectAnswer = TRect{5, 6, 7, 8};
        QTest::ignoreMessage(QtWarningMsg, "error box: 'x' is not a valid integer value");
        Click(form.Form.Button40);
        QCOMPARE(form.Dialogs.Calls, 0);
        QCOMPARE(form.Document(), document);
        QCOMPARE(form.Form.Edit22->text(), QStringLiteral("1,2,x,4"));
    }

    void hideScrollCheckBoxWritesOnEveryClick() {
        TForm form(TForm::Playlist);
        QVERIFY(form.Form.CheckBox1->isChecked());
        Click(form.Form.CheckBox1);
        QCOMPARE(form.Main().ReadString(QStringLiteral("SKIN_WIDTHS"),
                                           QStringLiteral("HidePLSScroll"), QString()),
                 QStringLiteral("0"));
        Click(form.Form.CheckBox1);
        QCOMPARE(form.Main().ReadString(QStringLiteral("SKIN_WIDTHS"),
                                           QStringLiteral("HidePLSScroll"), QString()),
                 QStringLiteral("1"));
    }
};

QX_REGISTER_TEST(PlaylistPageTest)
#include "tst_PlaylistPage.moc"
