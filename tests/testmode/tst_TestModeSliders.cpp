#include <algorithm>

#include <QTest>

#include "TestModeFixture.h"
#include "TestRegistry.h"
#include "editor/testmode/SliderLooks.h"
#include "editor/testmode/TestMode.h"

using namespace TestModeTest;

namespace {

// The player's slider rules, pixel by pixel: the filled texture from the
// start up to the pointed pixel (below it on a standing slider), the thumb
// centred there and kept inside the track, its magenta left out unless the
// equalizer draws it opaque.
QImage SliderAt(const QImage& bk, const QImage& bks, const QImage& thumb, bool horizontal,
                bool opaque, int pixel) {
    QImage face = bk.copy();
    const int length = horizontal ? face.width() : face.height();
    const int along = horizontal ? thumb.width() : thumb.height();
    const int start = std::clamp(pixel - along / 2, 0, std::max(0, length - along));
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const int a = horizontal ? x : y;
            const QPoint inThumb = horizontal ? QPoint(x - start, y) : QPoint(x, y - start);
            const QRgb t = thumb.rect().contains(inThumb) ? thumb.pixel(inThumb) : 0;
            if (thumb.rect().contains(inThumb) && (opaque || (t & 0xFFFFFF) != 0xFF00FF))
                face.setPixel(x, y, t);
            else if (horizontal ? a < pixel : a >= pixel)
                face.setPixel(x, y, bks.pixel(x, y));
        }
    return face;
}

} // namespace

class TestModeSliders : public QObject {
    Q_OBJECT

private slots:
    void thumbFollowsPointer_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QStringList>("mainValues");

        for (int percent : {25, 50, 100}) {
            const QByteArray p = QByteArray::number(percent) + '%';
            QTest::newRow("seek bar " + p) << 0 << "SeekBar" << percent << true << QStringList();
            QTest::newRow("equalizer band " + p) << 1 << "VESKSlider3" << percent << false
                                                 << QStringList();
            QTest::newRow("standing volume " + p)
                << 0 << "Volumebar" << percent << false
                << QStringList{"SKIN_WIDTHS|Volumebar_HORIZONTAL|0",
                               "SKIN_OBJS|Volumebar|198,40,208,95",
                               "SKIN_RECTS|Volumebar_BK|0,155,10,210",
                               "SKIN_RECTS|Volumebar_BKS|12,155,22,210",
                               "SKIN_RECTS|Volumebar_THM|24,155,34,162"};
        }
        QTest::newRow("tray volume 25%") << 2 << "trayvol" << 25 << true << QStringList();
        QTest::newRow("pre-amplifier 0%") << 1 << "PREAMP" << 0 << false << QStringList();
    }

    void thumbFollowsPointer() {
        QFETCH(int, page);
        QFETCH(QString, element);
        QFETCH(int, percent);
        QFETCH(bool, horizontal);
        QFETCH(QStringList, mainValues);
        TTestWindow window(page, mainValues);
        QWidget* slider = window.Element(element);
        QVERIFY(slider && slider->isVisible());
        const QImage rest = TTestWindow::Pixels(slider);
        const QByteArray documents = window.Documents();
        window.SetTestMode(true);

        const QSize size = slider->size();
        const QPoint target = horizontal
                                  ? QPoint(size.width() * percent / 100, size.height() / 2)
                                  : QPoint(size.width() / 2, size.height() * (100 - percent) / 100);
        // Grabbed in the middle and dragged, past the end for 100 %.
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, slider->rect().center());
        QTest::mouseMove(slider, target + (percent == 100 ? (horizontal ? QPoint(9, 0) : QPoint(0, -9))
                                                         : QPoint()));
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, target);
        const int pixel = horizontal ? target.x() : target.y();
        const QImage bk = window.Texture(page, element + "_BK");
        const QImage expected = SliderAt(bk, window.Texture(page, element + "_BKS"),
                                         window.Texture(page, element + "_THM"), horizontal,
                                         page == 1, pixel);
        const QImage shown = TTestWindow::Pixels(slider);
        QCOMPARE(shown.copy(bk.rect()), expected);
        // Half way is where the previews rest.
        if (percent == 50)
            QCOMPARE(shown, rest);
        // The curve display passes through the band's value.
        QWidget* curve = window.Element("EQVIS");
        if (element.startsWith("VESKSlider")) {
            const QImage drawn = TTestWindow::Pixels(curve);
            window.Form.TestMode()->SetSliderValue(slider, kSliderRange - 100);
            QVERIFY(TTestWindow::Pixels(curve) != drawn);
        }

        window.SetTestMode(false);
        QCOMPARE(TTestWindow::Pixels(slider), rest);
        QCOMPARE(window.Documents(), documents);
    }
};

QX_REGISTER_TEST(TestModeSliders)
#include "tst_TestModeSliders.moc"
