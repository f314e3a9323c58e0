#include <QTest>

#include "PreviewTestSupport.h"
#include "TestRegistry.h"
#include "controls/PlainPanel.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"

using namespace PreviewTest;

class TestSkinRenderer : public QObject {
    Q_OBJECT

private slots:
    // A slider shows half of its filled background and the thumb centred on
    // the middle; the thumb's magenta lets the background through.
    void slidersShowHalfFilled_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("horizontalValue"); // empty: not in the document
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("player slider lies by default") << "SeekBar"
                                                       << "" << true;
        QTest::newRow("player slider stood up") << "Volumebar"
                                                << "0" << false;
        QTest::newRow("equalizer slider stands by default") << "PREAMP"
                                                            << "" << false;
        QTest::newRow("equalizer slider laid down") << "VESKSlider1"
                                                    << "1" << true;
    }
    void slidersShowHalfFilled() {
        QFETCH(QString, name);
        QFETCH(QString, horizontalValue);
        QFETCH(bool, horizontal);
        TSandbox box;
        const QSize size = horizontal ? QSize(100, 9) : QSize(9, 33);
        box.Place(name, TSandbox::RectText(QRect(QPoint(5, 6), size)));
        box.Texture(name + "_BK", QRect(QPoint(0, 0), size), kRed);
        box.Texture(name + "_BKS", QRect(QPoint(0, 40), size), kGreen);
        box.Texture(name + "_THM", QRect(200, 0, 9, 9), kBlue);
        box.Bitmap.setPixel(200, 0, kMagenta);
        if (!horizontalValue.isEmpty())
            box.Document.WriteString("SKIN_WIDTHS", name + "_HORIZONTAL", horizontalValue);

        auto* slider = box.Get<TVESKSESkin>(name);
        box.Renderer().RenderElement(slider, box.Bitmap);
        QCOMPARE(slider->geometry(), QRect(QPoint(5, 6), size));
        const QImage& face = slider->ImgBackGround();
        if (horizontal) {
            // Filled on x 0 to 49, thumb from x 46 (50 - 9 / 2) to 54.
            QCOMPARE(Letters(face, 1, true), QString(46, 'g') + QString(9, 'b') + QString(45, 'r'));
            QCOMPARE(face.pixel(46, 0), kGreen);
        } else {
            // Filled from y 16 (33 / 2), thumb from y 12 (16 - 9 / 2) to 20.
            QCOMPARE(Letters(face, 1, false),
                     QString(12, 'r') + QString(9, 'b') + QString(12, 'g'));
            QCOMPARE(face.pixel(0, 12), kRed);
        }
        QCOMPARE(slider->ImgAux2().size(), QSize(9, 9));
    }

    // The equalizer's own rendering stands every slider up whatever the
    // document says, fits it to its background and draws the thumb opaque.
    void equalizerComposesSlidersUpright() {
        TSandbox box;
        box.Place("MAIN", "0,0,100,100");
        box.Place("VESKSlider1", "10,10,10,10");
        box.Document.WriteString("SKIN_WIDTHS", "VESKSlider1_HORIZONTAL", "1");
        box.Texture("VESKSlider1_BK", QRect(0, 0, 9, 33), kRed);
        box.Texture("VESKSlider1_BKS", QRect(20, 0, 9, 33), kGreen);
        box.Texture("VESKSlider1_THM", QRect(40, 0, 9, 9), kBlue);
        box.Bitmap.setPixel(40, 0, kMagenta);
        box.Renderer().RenderEqualizer(box.Document, box.Bitmap);

        auto* slider = box.Get<TVESKSESkin>("VESKSlider1");
        QCOMPARE(slider->geometry(), QRect(10, 10, 9, 33));
        const QImage& face = slider->ImgBackGround();
        QCOMPARE(Letters(face, 1, false), QString(12, 'r') + QString(9, 'b') + QString(12, 'g'));
        QCOMPARE(face.pixel(0, 12), kMagenta);
    }

    // An element the skin places at 0,0,0,0 is not part of it and keeps its
    // size; one placed anywhere else takes its texture's size.
    void buttonsFitTheirTexture_data() {
        QTest::addColumn<QString>("placement");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("not in the skin") << "0,0,0,0" << QRect(0, 0, 0, 0);
        QTest::newRow("a point") << "10,10,10,10" << QRect(10, 10, 26, 24);
        QTest::newRow("other size") << "4,5,100,100" << QRect(4, 5, 26, 24);
        QTest::newRow("corners cancel out") << "-5,-5,5,5" << QRect(-5, -5, 10, 10);
    }
    void buttonsFitTheirTexture() {
        QFETCH(QString, placement);
        QFETCH(QRect, bounds);
        TSandbox box;
        box.Place("PLAYBTN", placement);
        box.Texture("PLAYBTN_NRM", QRect(0, 0, 26, 24), kRed);
        auto* button = box.Get<TVESKSESkin>("PLAYBTN");
        box.Renderer().RenderElement(button, box.Bitmap);
        QCOMPARE(button->geometry(), bounds);
        QCOMPARE(button->ImgBackGround().size(), QSize(26, 24));
    }

    // The equalizer's close button is keyed without its trailing "_", in the
    // equalizer's own rendering and when an edit re-renders it.
    void equalizerCloseButtonKeys() {
        TSandbox box;
        box.Place("CloseBtn", "3,4,20,20");
        box.Texture("CloseBtn_NRM", QRect(0, 0, 16, 13), kBlue);
        auto* button = box.Get<TVESKSESkin>("CloseBtn_");
        box.Renderer().RenderEqualizer(box.Document, box.Bitmap);
        QCOMPARE(button->geometry(), QRect(3, 4, 16, 13));
        button->SetBounds(0, 0, 1, 1);
        box.Renderer().RenderElement(button, box.Bitmap, &box.Document);
        QCOMPARE(button->geometry(), QRect(3, 4, 16, 13));
        QCOMPARE(button->ImgBackGround().pixel(0, 0), kBlue);
    }

    void numericDisplaysTakeTheirStripSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("placement");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("time") << "Time"
                              << "26,27,98,47" << true << QRect(26, 27, 78, 20);
        QTest::newRow("mode indicator") << "Player"
                                        << "1,2,3,4" << true << QRect(1, 2, 56, 20);
        QTest::newRow("zero width") << "Time"
                                    << "10,10,10,30" << false << QRect(10, 10, 0, 20);
        QTest::newRow("zero height") << "Time"
                                     << "10,10,40,10" << false << QRect(10, 10, 30, 0);
        QTest::newRow("missing") << "SRINFO"
                                 << "" << false << QRect();
    }
    void numericDisplaysTakeTheirStripSize() {
        QFETCH(QString, name);
        QFETCH(QString, placement);
        QFETCH(bool, visible);
        QFETCH(QRect, bounds);
        TSandbox box;
        if (!placement.isEmpty())
            box.Place(name, placement);
        box.Texture(name, QRect(0, 100, 169, 20), kGreen, "SKIN_NUMERICS");
        auto* display = box.Get<TVESKSENumLabel>(name);
        box.Renderer().RenderNumericDisplay(name, box.Bitmap, display);
        QCOMPARE(!display->isHidden(), visible);
        QCOMPARE(display->geometry(), bounds);
        QCOMPARE(display->Skin().size(), QSize(169, 20));
    }

    // A tray progress strip is lit from the left, the right or the bottom
    // by the second half of its lit texture; other modes show it unlit.
    void trayStripModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("column");
        QTest::newRow("left") << 0 << "gggggrrrrr"
                              << "gggggggg";
        QTest::newRow("right") << 1 << "rrrrrggggg"
                               << "rrrrrrrr";
        QTest::newRow("bottom") << 2 << "gggggggggg"
                                << "rrrrgggg";
        QTest::newRow("unknown") << 5 << "rrrrrrrrrr"
                                 << "rrrrrrrr";
    }
    void trayStripModes() {
        QFETCH(int, mode);
        QFETCH(QString, row);
        QFETCH(QString, column);
        TSandbox box;
        box.Place("traylc", "0,0,10,8");
        box.Texture("traylc", QRect(0, 0, 10, 8), kRed);
        box.Texture("traylcs", QRect(20, 0, 10, 8), kGreen);
        box.Document.WriteInteger("SKIN_CFG", "traylc", mode);
        auto* strip = box.Get<TVESKSESkin>("traylc");
        box.Renderer().RenderElement(strip, box.Bitmap, &box.Document);
        QCOMPARE(Letters(strip->ImgBackGround(), 7, true), row);
        QCOMPARE(Letters(strip->ImgBackGround(), 0, false), column);
    }

    // The right bar takes "BARSIZER" when the skin has it, else the left
    // bar's width; the face starts after the left bar and the whole preview
    // is the face with both bars, twice the face's height.
    void borderBarWidths_data() {
        QTest::addColumn<QString>("barSize");
        QTest::addColumn<QString>("barSizeR");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("both") << "6"
                              << "9" << 6 << 9;
        QTest::newRow("no right size") << "6"
                                       << "" << 6 << 6;
        QTest::newRow("neither") << ""
                                 << "" << 0 << 0;
        QTest::newRow("right only") << ""
                                    << "4" << 0 << 4;
    }
    void borderBarWidths() {
        QFETCH(QString, barSize);
        QFETCH(QString, barSizeR);
        QFETCH(int, left);
        QFETCH(int, right);
        TSandbox box;
        if (!barSize.isEmpty())
            box.Document.WriteString("SKIN_WIDTHS", "BARSIZE", barSize);
        if (!barSizeR.isEmpty())
            box.Document.WriteString("SKIN_WIDTHS", "BARSIZER", barSizeR);
        box.Texture("MainForm", QRect(0, 0, 50, 20), kRed);
        box.Texture("plsctrl", QRect(0, 20, 50, 6), kBlue);
        box.Renderer().RenderMainFrame();

        QCOMPARE(box.Trees.Leftbar()->geometry(), QRect(0, 0, left, 40));
        QCOMPARE(box.Trees.RightBar()->geometry(), QRect(left + 50, 0, right, 40));
        QCOMPARE(box.Trees.Main()->geometry(), QRect(left, 0, 50, 20));
        QCOMPARE(box.Trees.MainCtrl()->size(), QSize(left + 50 + right, 40));
        QCOMPARE(box.Trees.PlaylistMan()->geometry(), QRect(left, 20, 50, 20));
        QCOMPARE(box.Trees.PlsCtrl()->geometry(), QRect(0, 14, 50, 6));
    }

    // The playlist's top panel and tab strip are rendered only while they
    // show something, unless a new skin asks for them.
    void switchedOffPlaylistPanelsStay() {
        TSandbox box;
        box.Texture("TopPanel", QRect(0, 0, 50, 20), kRed);
        box.Place("TopPanel", "0,0,50,20");
        auto* top = box.Trees.TopPanel();
        top->hide();
        box.Renderer().RenderMainFrame();
        QVERIFY(top->ImgBackGround().isNull());
        box.Renderer().RenderMainFrame(TSkinRenderer::TPlaylistPanels::Render);
        QCOMPARE(top->ImgBackGround().size(), QSize(50, 20));
    }

    // The lower part of the multi-display is bottom-aligned over the upper.
    void multiDisplayStacksItsParts() {
        TSandbox box;
        box.Place("MultiDisplay", "0,0,4,10");
        box.Texture("MultiDisplayTOP", QRect(0, 0, 4, 6), kRed);
        box.Texture("MultiDisplayBTM", QRect(10, 0, 4, 6), kGreen);
        auto* block = box.Get<TVESKSESkin>("MultiDisplay");
        box.Renderer().RenderElement(block, box.Bitmap);
        QCOMPARE(Letters(block->ImgBackGround(), 0, false), QString("rrrrgggggg"));
    }

    // The tray window is its button bar's width and both panels' height
    // with a gap of two; a skin without a title font gets one coloured like
    // the tray bitmap at 70,50 (black when the bitmap is smaller).
    void trayWindowAndTitleFont_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QSize>("bitmapSize");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "" << QSize(400, 200) << "Tahoma,197121,12,0";
        QTest::newRow("given") << "Arial,255,9,2" << QSize(400, 200) << "Arial,255,9,2";
        QTest::newRow("small bitmap") << "" << QSize(60, 40) << "Tahoma,0,12,0";
    }
    void trayWindowAndTitleFont() {
        QFETCH(QString, font);
        QFETCH(QSize, bitmapSize);
        QFETCH(QString, expected);
        TSandbox box;
        box.Texture("trayctrl", QRect(0, 0, 240, 24), kRed);
        box.Texture("trayinfo", QRect(0, 100, 240, 66), kGreen);
        // The title's texture rectangle lies in its panel's texture; its
        // place is that rectangle less the texture's origin.
        box.Document.WriteString("SKIN_RECTS", "trayrs", "8,105,232,118");
        if (!font.isEmpty())
            box.Document.WriteString("SKIN_FONTS", "trayrs", font);
        box.Bitmap.setPixel(70, 50, qRgb(1, 2, 3));
        box.Bitmap = box.Bitmap.copy(QRect(QPoint(), bitmapSize));
        box.Renderer().RenderTray(box.Document, box.Bitmap);

        QCOMPARE(box.Trees.TrayControlMain()->size(), QSize(240, 92));
        QCOMPARE(box.Trees.TrayInfo()->geometry(), QRect(0, 0, 240, 66));
        QCOMPARE(box.Trees.TrayCtrl()->geometry(), QRect(0, 68, 240, 24));
        QCOMPARE(box.Document.ReadString("SKIN_FONTS", "trayrs", ""), expected);
        auto* title = box.Get<TVESKSELabel>("trayrs");
        QCOMPARE(title->geometry(), QRect(8, 5, 224, 13));
        QCOMPARE(title->Font().Name, expected.section(',', 0, 0));
    }
};

QX_REGISTER_TEST(TestSkinRenderer)
#include "tst_SkinRenderer.moc"
