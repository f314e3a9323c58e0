#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

#include "ElementsTestSupport.h"
#include "TestRegistry.h"
#include "controls/AlignLayout.h"
#include "controls/SelectedElement.h"
#include "tools/spLoupe.h"

using namespace ElementsTest;

namespace {

using TIniValues = QList<QStringList>; // section, key, value; "-" erases a section

void Apply(TSkinProject* document, const TIniValues& values) {
    for (const QStringList& v : values) {
        if (v[1] == u'-')
            document->EraseSection(v[0]);
        else
            document->WriteString(v[0], v[1], v[2]);
    }
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void cleanup() { SelectedElement = nullptr; }

    void clickSelectsAndFillsTheSheetOnce() {
        TForm f;
        QWidget* button = f.Element("PLAYBTN");
        f.Click("PLAYBTN");
        QCOMPARE(SelectedElement.data(), button);
        QCOMPARE(f.Form.GroupBox2->title(), QStringLiteral("PLAYBTN"));
        QCOMPARE(f.Keys(), QStringList({"PLAYBTN_NRM", "PLAYBTN_SEL", "PLAYBTN_DWN"}));
        QVERIFY(!f.Form.Panel5->isHidden());
        QCOMPARE(f.Form.SpinEdit1->value(), button->x());
        QCOMPARE(f.Form.SpinEdit2->value(), button->y());
        QVERIFY(f.Form.PlacementArmed);
    }

    // The sheet on each page reads that page's document and brings up the
    // side controls the element needs.
    void sheetOfTheShownPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<TIniValues>("ini");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("panels"); // shown of: move up, parent, position, geometry, tray
        QTest::newRow("tab strip")
            << 0 << "TabCtrl" << TIniValues{{"SKIN_RECTS", "TabCtrl", "1,2,3,4"}}
            << QStringList{"Texture=1,2,3,4"} << "move up";
        QTest::newRow("tab strip button")
            << 0 << "TCN" << TIniValues{{"SKIN_RECTS", "TCN_NRM", "5,6,7,8"}}
            << QStringList{"State_NRM=5,6,7,8", "State_SEL=0,0,0,0", "State_DWN=0,0,0,0"}
            << "position";
        QTest::newRow("playlist box") << 0 << "Playlistbox"
                                      << TIniValues{{"SKIN_FONTS", "PlaylistBox_SEL", "77"},
                                                    {"SKIN_FONTS", "PlaylistBox_BK", "0"}}
                                      << QStringList{"Font=TFont",
                                                     "FontColor=TFontColor",
                                                     "Background=0",
                                                     "Selected=77",
                                                     "Font=TFont",
                                                     "NormalFont=TFont",
                                                     "NormalFontColor=TFONTCOLOR",
                                                     "SelectedFont=TFont",
                                                     "SelectedFontColor=TFONTCOLOR"}
                                      << "parent position geometry";
        QTest::newRow("multi-display") << 0 << "MultiDisplay"
                                       << TIniValues{{"SKIN_RECTS", "MultiDisplayTOP", "1,2,3,4"},
                                                     {"SKIN_RECTS", "MultiDisplayBTM", "5,6,7,8"}}
                                       << QStringList{"Numeric_Table=1,2,3,8"} << "position";
        QTest::newRow("slider without orientation")
            << 0 << "SeekBar"
            << TIniValues{{"SKIN_WIDTHS", "-", ""}, {"SKIN_RECTS", "SeekBar_BK", "0,0,9,9"}}
            << QStringList{"Horizontral=True", "Normal=0,0,9,9", "Selected=0,0,0,0",
                           "Thumb=0,0,0,0"}
            << "position";
        QTest::newRow("text label")
            << 0 << "iArtist" << TIniValues{} << QStringList{"Font=TFont", "FontColor=TFontColor"}
            << "parent geometry";
        QTest::newRow("face") << 0 << "Main" << TIniValues{{"SKIN_WIDTHS", "MainHOff", "5"}}
                              << QStringList{"Texture=0,0,0,0", "RollOffset=5"} << "";
        QTest::newRow("equalizer close button")
            << 1 << "CloseBtn_" << TIniValues{{"SKIN_RECTS", "CloseBtn_DWN", "1,1,2,2"}}
            << QStringList{"State_NRM=0,0,0,0", "State_SEL=0,0,0,0", "State_DWN=1,1,2,2"}
            << "position";
        QTest::newRow("equalizer slider without orientation")
            << 1 << "PREAMP" << TIniValues{{"SKIN_WIDTHS", "-", ""}}
            << QStringList{"Horizontral=False", "Normal=0,0,0,0", "Selected=0,0,0,0",
                           "Thumb=0,0,0,0"}
            << "position";
        QTest::newRow("equalizer list box")
            << 1 << "DSP"
            << TIniValues{{"SKIN_FONTS", "DSP_BK", "12"}, {"SKIN_FONTS", "DSP_BKS", "0"}}
            << QStringList{"Font=TFont",         "FontColor=TFontColor",
                           "Background=12",      "Selected=0",
                           "NormalFont=TFont",   "NormalFontColor=TFONTCOLOR",
                           "SelectedFont=TFont", "SelectedFontColor=TFONTCOLOR"}
            << "position geometry";
        QTest::newRow("tray strip")
            << 2 << "traylc" << TIniValues{{"SKIN_CFG", "traylc", "2"}}
            << QStringList{"Background=0,0,0,0", "Progress=0,0,0,0", "Orientation=Vertical"}
            << "position tray";
        QTest::newRow("tray strip of an unknown mode")
            << 2 << "trayrc" << TIniValues{{"SKIN_CFG", "trayrc", "-1"}}
            << QStringList{"Background=0,0,0,0", "Progress=0,0,0,0", "Orientation=-1"}
            << "position tray";
        QTest::newRow("tray title")
            << 2 << "trayrs" << TIniValues{} << QStringList{"Font=TFont", "FontColor=TFontColor"}
            << "geometry tray";
    }

    void sheetOfTheShownPage() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(TIniValues, ini);
        QFETCH(QStringList, rows);
        QFETCH(QString, panels);
        TForm f(page);
        TSkinProject* document = f.Form.ShownDocument();
        // Rectangles the test does not set read as missing.
        document->EraseSection(QStringLiteral("SKIN_RECTS"));
        Apply(document, ini);
        // The side controls the previous element left behind.
        f.Form.Button9->show();
        f.Form.Panel10->show();
        f.Form.Panel3->show();
        f.Form.Panel2->show();
        f.Click(name);
        QCOMPARE(f.Rows(), rows);
        QCOMPARE(!f.Form.Panel10->isHidden(), panels.contains("parent"));
        QCOMPARE(!f.Form.Panel5->isHidden(), panels.contains("position"));
        QCOMPARE(!f.Form.Panel2->isHidden(), panels.contains("geometry"));
        QCOMPARE(!f.Form.Panel3->isHidden(), panels.contains("tray"));
        if (page == 0)
            QCOMPARE(!f.Form.Button9->isHidden(), panels.contains("move up"));
    }

    void magnifierHoldsTheClickedPoint_data() {
        QTest::addColumn<bool>("capture");
        QTest::newRow("capturing") << true;
        QTest::newRow("following the mouse") << false;
    }

    void magnifierHoldsTheClickedPoint() {
        QFETCH(bool, capture);
        TForm f;
        f.Form.CheckBox2->setChecked(capture);
        f.Form.spLoupe1->SetHold(!capture);
        QCursor::setPos(QPoint(123, 45));
        f.Click("STOPBTN");
        QCOMPARE(f.Form.spLoupe1->Hold(), capture);
        QCOMPARE(f.Form.spLoupe1->HoldPoint(), QCursor::pos());
    }

    // Alt-drag moves the element inside its container, the lower bound
    // applied first; the spin edits show where it ended after the release
    // and no document changes.
    void altDragMovesInsideTheContainer_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<int>("widen");      // beyond the container's width
        QTest::addColumn<QString>("expect"); // "by", "right", "left", "top", "bottom"
        QTest::newRow("button") << 0 << "PLAYBTN" << QPoint(3, 2) << -1 << "by";
        QTest::newRow("label") << 0 << "iGenre" << QPoint(-2, 1) << -1 << "by";
        QTest::newRow("display") << 0 << "Time" << QPoint(2, -1) << -1 << "by";
        QTest::newRow("past the right edge") << 0 << "SeekBar" << QPoint(5000, 0) << -1 << "right";
        QTest::newRow("past the left edge") << 0 << "SeekBar" << QPoint(-5000, 0) << -1 << "left";
        QTest::newRow("past the top") << 0 << "PLAYBTN" << QPoint(0, -5000) << -1 << "top";
        QTest::newRow("past the bottom") << 0 << "PLAYBTN" << QPoint(0, 5000) << -1 << "bottom";
        QTest::newRow("wider than its container")
            << 0 << "iTitle" << QPoint(-5, 0) << 20 << "right";
        QTest::newRow("playlist button") << 0 << "AddBtn" << QPoint(5000, 0) << -1 << "right";
        QTest::newRow("equalizer slider")
            << 1 << "VESKSlider3" << QPoint(0, 5000) << -1 << "bottom";
        QTest::newRow("tray button") << 2 << "trayplay" << QPoint(-5000, 0) << -1 << "left";
    }

    void altDragMovesInsideTheContainer() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QPoint, by);
        QFETCH(int, widen);
        QFETCH(QString, expect);
        TForm f(page);
        QWidget* element = f.Element(name);
        const QWidget* container = element->parentWidget();
        if (widen >= 0)
            ::SetBounds(element, QRect(element->x(), element->y(), container->width() + widen,
                                       element->height()));
        const QRect before = element->geometry();
        const QByteArray documents = f.Documents();
        AltDrag(element, by);

        QPoint at = before.topLeft();
        if (expect == "by")
            at += by;
        else if (expect == "right")
            at.setX(container->width() - before.width());
        else if (expect == "left")
            at.setX(0);
        else if (expect == "top")
            at.setY(0);
        else if (expect == "bottom")
            at.setY(container->height() - before.height());
        QCOMPARE(element->geometry(), QRect(at, before.size()));
        QCOMPARE(f.Form.SpinEdit1->value(), at.x());
        QCOMPARE(f.Form.SpinEdit2->value(), at.y());
        QCOMPARE(f.Documents(), documents);
        // The drag ended with the release: moving on moves nothing.
        QTest::mouseMove(element, QPoint(6, 6));
        QCOMPARE(element->pos(), at);
    }

    void dragWithoutAltDoesNotMove() {
        TForm f;
        QWidget* element = f.Element("PLAYBTN");
        const QPoint at = element->pos();
        AltDrag(element, QPoint(4, 3), Qt::NoModifier);
        QCOMPARE(element->pos(), at);
        QCOMPARE(SelectedElement.data(), element);
    }

    // Areas, bars and the tab strip select without a drag; the tab buttons
    // and the tray panels hear no release, so they start none either. A
    // drag left behind would carry them along with the next hover over
    // another element.
    void areasAndPressOnlyControlsAreNotDragged_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hover");
        QTest::newRow("face") << 0 << "Main"
                              << "PLAYBTN";
        QTest::newRow("left bar") << 0 << "Leftbar"
                                  << "PLAYBTN";
        QTest::newRow("right bar") << 0 << "RightBar"
                                   << "PLAYBTN";
        QTest::newRow("top panel") << 0 << "TopPanel"
                                   << "Playlistbox";
        QTest::newRow("tab strip") << 0 << "TabCtrl"
                                   << "AddBtn";
        QTest::newRow("bottom panel") << 0 << "PlsCtrl"
                                      << "AddBtn";
        QTest::newRow("tab button") << 0 << "TCN"
                                    << "AddBtn";
        QTest::newRow("other tab button") << 0 << "TCP"
                                          << "AddBtn";
        QTest::newRow("equalizer face") << 1 << "main_"
                                        << "LIB";
        QTest::newRow("tray information panel") << 2 << "TrayInfo"
                                                << "trayplay";
        QTest::newRow("tray control panel") << 2 << "TrayCtrl"
                                            << "trayplay";
    }

    void areasAndPressOnlyControlsAreNotDragged() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, hover);
        TForm f(page);
        QWidget* element = f.Element(name);
        const QRect before = element->geometry();
        QTest::mousePress(element, Qt::LeftButton, Qt::AltModifier, QPoint(1, 1));
        QTest::mouseMove(element, QPoint(3, 2));
        QTest::mouseRelease(element, Qt::LeftButton, Qt::AltModifier, QPoint(3, 2));
        QCOMPARE(SelectedElement.data(), element);
        QTest::mouseMove(f.Element(hover), QPoint(4, 4));
        QTest::mouseMove(f.Element(hover), QPoint(2, 3));
        QCOMPARE(element->geometry(), before);
    }
};

QX_REGISTER_TEST(TestSelection)
#include "tst_Selection.moc"
