#include <cmath>
#include <limits>
#include <utility>

#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "TestRegistry.h"
#include "tools/spLoupe.h"

namespace {

const QSize ScreenSize(800, 600);

// Every screen pixel is different and none is black or magenta, so any
// misplaced or missing pixel shows.
QRgb ScreenPixel(const QPoint& p) {
    return qRgb(p.x() % 256, p.y() % 256, 1 + (p.x() / 256) * 16 + (p.y() / 256));
}

class TFakeScreenLoupe : public TspLoupe {
public:
    QPoint Cursor{400, 300};
    using TspLoupe::Tick;

protected:
    QImage GrabScreen(const QRect& area) const override {
        QImage image(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                const QPoint p = area.topLeft() + QPoint(x, y);
                const bool onScreen = QRect(QPoint(0, 0), ScreenSize).contains(p);
                image.setPixel(x, y, onScreen ? ScreenPixel(p) : qRgb(0, 0, 0));
            }
        }
        return image;
    }
    QPoint CursorPos() const override { return Cursor; }
};

// A screen that cannot be read: every grab comes back black.
class TBlackScreenLoupe : public TFakeScreenLoupe {
protected:
    QImage GrabScreen(const QRect& area) const override {
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }
};

// The real screen grab, on whatever screen the platform offers.
class TRealLoupe : public TspLoupe {
public:
    using TspLoupe::GrabScreen;
};

QRgb ViewPixel(const TspLoupe& loupe, int x, int y) {
    return loupe.View().pixel(x, y) | 0xFF000000;
}

} // namespace

class TestLoupe : public QObject {
    Q_OBJECT

private slots:
    void invalidZoomMeansNoEnlargement_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("stored");
        QTest::newRow("zero") << 0.0 << 1.0;
        QTest::newRow("negative") << -2.5 << 1.0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 1.0;
        QTest::newRow("three") << 3.0 << 3.0;
        QTest::newRow("half") << 0.5 << 0.5;
    }
    void invalidZoomMeansNoEnlargement() {
        QFETCH(double, zoom);
        QFETCH(double, stored);
        TspLoupe loupe;
        loupe.resize(100, 60);
        loupe.SetZoomLevel(zoom);
        QCOMPARE(loupe.ZoomLevel(), stored);
        QCOMPARE(loupe.SourceSize(),
                 QSize(int(std::lround(100 / stored)), int(std::lround(60 / stored))));
    }

    void sourceSizeRoundsHalvesToEven_data() {
        QTest::addColumn<QSize>("control");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QSize>("source");
        QTest::newRow("640x170 at 3") << QSize(640, 170) << 3.0 << QSize(213, 57);
        QTest::newRow("halves down to even") << QSize(5, 9) << 2.0 << QSize(2, 4);
        QTest::newRow("halves up to even") << QSize(7, 3) << 2.0 << QSize(4, 2);
        QTest::newRow("unscaled") << QSize(640, 170) << 0.0 << QSize(640, 170);
        QTest::newRow("zoom beyond the control") << QSize(10, 10) << 1e9 << QSize(0, 0);
        QTest::newRow("infinite zoom")
            << QSize(10, 10) << std::numeric_limits<double>::infinity() << QSize(0, 0);
    }
    void sourceSizeRoundsHalvesToEven() {
        QFETCH(QSize, control);
        QFETCH(double, zoom);
        QFETCH(QSize, source);
        TspLoupe loupe;
        loupe.resize(control);
        loupe.SetZoomLevel(zoom);
        QCOMPARE(loupe.SourceSize(), source);
    }

    void tinyZoomDoesNotAskForAGiantCapture() {
        TspLoupe loupe;
        loupe.resize(100, 100);
        loupe.SetZoomLevel(1e-300);
        QVERIFY(loupe.SourceSize().width() <= 4096);
        QVERIFY(loupe.SourceSize().height() <= 4096);
    }

    // Every view pixel shows the screen pixel that the stretch maps it to,
    // and the centre of the view is the pixel under the cursor.
    void viewIsTheEnlargedScreen_data() {
        QTest::addColumn<QSize>("control");
        QTest::addColumn<double>("zoom");
        QTest::newRow("unscaled") << QSize(100, 80) << 0.0;
        QTest::newRow("zoom 2") << QSize(640, 170) << 2.0;
        QTest::newRow("zoom 3") << QSize(640, 170) << 3.0;
        QTest::newRow("zoom 7") << QSize(300, 98) << 7.0;
    }
    void viewIsTheEnlargedScreen() {
        QFETCH(QSize, control);
        QFETCH(double, zoom);
        TFakeScreenLoupe loupe;
        loupe.resize(control);
        loupe.SetZoomLevel(zoom);
        loupe.Tick();
        const QSize source = loupe.SourceSize();
        const QPoint origin = loupe.Cursor - QPoint(source.width() / 2, source.height() / 2);
        QCOMPARE(loupe.View().size(), control);
        for (const QPoint view : {QPoint(0, 0), QPoint(control.width() - 1, control.height() - 1),
                                  QPoint(control.width() / 3, control.height() / 2)}) {
            // Nearest neighbour: the source pixel under the view pixel's centre.
            const QPoint mapped(int((view.x() + 0.5) * source.width() / control.width()),
                                int((view.y() + 0.5) * source.height() / control.height()));
            QCOMPARE(ViewPixel(loupe, view.x(), view.y()), ScreenPixel(origin + mapped));
        }
        QCOMPARE(ViewPixel(loupe, control.width() / 2, control.height() / 2),
                 ScreenPixel(loupe.Cursor));
    }

    void screenEdgesShowBlack_data() {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("black");
        QTest::addColumn<QPoint>("screen");
        QTest::newRow("top left") << QPoint(0, 0) << QPoint(10, 10) << QPoint(60, 60);
        QTest::newRow("bottom right") << QPoint(799, 599) << QPoint(60, 60) << QPoint(10, 10);
    }
    void screenEdgesShowBlack() {
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, black);
        QFETCH(QPoint, screen);
        TFakeScreenLoupe loupe;
        loupe.resize(100, 100);
        loupe.SetZoomLevel(1);
        loupe.Cursor = cursor;
        loupe.Tick();
        QCOMPARE(ViewPixel(loupe, black.x(), black.y()), qRgb(0, 0, 0));
        QCOMPARE(ViewPixel(loupe, screen.x(), screen.y()),
                 ScreenPixel(cursor - QPoint(50, 50) + screen));
    }

    void holdKeepsTheViewWhileTheColourFollowsTheCursor() {
        TFakeScreenLoupe loupe;
        loupe.resize(120, 90);
        loupe.SetZoomLevel(3);
        loupe.SetHold(true);
        loupe.SetHoldPoint(QPoint(400, 300));
        QSignalSpy colours(&loupe, &TspLoupe::OnColor);
        loupe.Cursor = QPoint(100, 100);
        loupe.Tick();
        const QImage held = loupe.View();
        loupe.Cursor = QPoint(700, 20);
        loupe.Tick();
        QCOMPARE(loupe.View(), held);
        QCOMPARE(ViewPixel(loupe, 60, 45), ScreenPixel(QPoint(400, 300)));
        QCOMPARE(colours.size(), 2);
        QCOMPARE(colours[0][0].value<TColor>(), RgbToColor(ScreenPixel(QPoint(100, 100))));
        QCOMPARE(colours[1][0].value<TColor>(), RgbToColor(ScreenPixel(QPoint(700, 20))));

        loupe.SetHold(false);
        loupe.Tick();
        QCOMPARE(ViewPixel(loupe, 60, 45), ScreenPixel(QPoint(700, 20)));
    }

    // The magenta cross sits on the centre point at every zoom.
    void crossMarksTheCentre_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("zoom 2") << 2.0;
        QTest::newRow("zoom 5") << 5.0;
        QTest::newRow("zoom 20") << 20.0;
    }
    void crossMarksTheCentre() {
        QFETCH(double, zoom);
        TFakeScreenLoupe loupe;
        loupe.resize(640, 170);
        loupe.SetZoomLevel(zoom);
        loupe.SetShowCross(true);
        loupe.Tick();
        const QRgb magenta = qRgb(255, 0, 255);
        const int x = 320;
        const int y = 85;
        if (zoom == 2.0)
            QCOMPARE(QPoint(x, y), QPoint(loupe.SourceSize().width(), loupe.SourceSize().height()));
        for (int d = -3; d <= 3; ++d) {
            QCOMPARE(ViewPixel(loupe, x + d, y), magenta);
            QCOMPARE(ViewPixel(loupe, x, y + d), magenta);
        }
        for (const QPoint outside : {QPoint(x - 4, y), QPoint(x + 4, y), QPoint(x, y - 4),
                                     QPoint(x, y + 4), QPoint(x + 1, y + 1)})
            QVERIFY(ViewPixel(loupe, outside.x(), outside.y()) != magenta);
    }

    void resizeRebuildsOnTheNextPaint() {
        TFakeScreenLoupe loupe;
        loupe.resize(100, 100);
        loupe.SetZoomLevel(2);
        loupe.Tick();
        QCOMPARE(loupe.SourceSize(), QSize(50, 50));
        loupe.resize(300, 200);
        loupe.grab();
        QCOMPARE(loupe.SourceSize(), QSize(150, 100));
        QCOMPARE(loupe.View().size(), QSize(300, 200));
        loupe.Tick();
        QCOMPARE(ViewPixel(loupe, 150, 100), ScreenPixel(loupe.Cursor));
    }

    void timerRunsExactlyWhileActive() {
        TFakeScreenLoupe loupe;
        loupe.resize(40, 40);
        QVERIFY(!loupe.TimerActive());
        QSignalSpy colours(&loupe, &TspLoupe::OnColor);
        loupe.SetActive(true);
        QVERIFY(loupe.TimerActive());
        QVERIFY(colours.wait(2000));
        loupe.SetActive(false);
        QVERIFY(!loupe.Active());
        QVERIFY(!loupe.TimerActive());
    }

    void unreadableScreenShowsTheEditorsOwnWindows() {
        QWidget window;
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(200, 30, 60));
        window.setPalette(palette);
        window.setGeometry(200, 150, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Over the window, and where no window of the editor is.
        for (const auto& [cursor, seen] : {std::pair(QPoint(350, 250), qRgb(200, 30, 60)),
                                           std::pair(QPoint(1500, 1400), qRgb(0, 0, 0))}) {
            TBlackScreenLoupe loupe;
            loupe.resize(100, 100);
            loupe.Cursor = cursor;
            QSignalSpy colours(&loupe, &TspLoupe::OnColor);
            loupe.Tick();
            QCOMPARE(ViewPixel(loupe, 50, 50), seen);
            QCOMPARE(colours[0][0].value<TColor>(), RgbToColor(seen));
        }
    }

    void realGrabIsExactlyTheAskedSizeAndBlackOffScreen() {
        TRealLoupe loupe;
        const QImage image = loupe.GrabScreen(QRect(-20, -10, 30, 25));
        QCOMPARE(image.size(), QSize(30, 25));
        QCOMPARE(image.pixel(0, 0) | 0xFF000000, qRgb(0, 0, 0));
        QCOMPARE(image.pixel(19, 9) | 0xFF000000, qRgb(0, 0, 0));
    }
};

QX_REGISTER_TEST(TestLoupe)
#include "tst_Loupe.moc"
