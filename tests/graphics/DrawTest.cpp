#include <limits>

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include "GraphicsTestTypes.h"
#include "TestRegistry.h"
#include "graphics/VESKDraw.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QRgb Unique(int x, int y) {
    return qRgb(x * 8 + 1, y * 6 + 2, 100);
}

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Unique(x, y));
    return image;
}

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Where position t of a target `length` long takes its pixel from in a
// source `sourceLength` long: the caps once, the middle repeated from the
// target's start, under the first cap, as the player tiles it.
int SourceOffset(int t, int length, int sourceLength, int first, int second) {
    const int middle = sourceLength - first - second;
    if (t < first)
        return t;
    if (t >= length - second)
        return t - (length - second) + (sourceLength - second);
    return first + t % middle;
}

} // namespace

class DrawTest : public QObject {
    Q_OBJECT

private slots:
    void cutRect_data() {
        QTest::addColumn<TRect>("r");
        QTest::addColumn<QSize>("size");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("inside") << TRect{5, 6, 15, 26} << QSize(10, 20);
        QTest::newRow("whole") << TRect{0, 0, 30, 40} << QSize(30, 40);
        QTest::newRow("past right and bottom") << TRect{25, 35, 35, 45} << QSize(10, 10);
        QTest::newRow("before left and top") << TRect{-3, -4, 2, 3} << QSize(5, 7);
        QTest::newRow("outside") << TRect{100, 100, 110, 101} << QSize(10, 1);
        QTest::newRow("near the int limit") << TRect{kMax - 4, 0, kMax, 2} << QSize(4, 2);
        QTest::newRow("empty") << TRect{5, 5, 5, 9} << QSize();
        QTest::newRow("inverted") << TRect{10, 10, 5, 5} << QSize();
        QTest::newRow("huge") << TRect{0, 0, 100000, 100000} << QSize();
        QTest::newRow("too many pixels") << TRect{0, 0, 16384, 16384} << QSize();
        QTest::newRow("int extremes") << TRect{kMin, kMin, kMax, kMax} << QSize();
    }
    void cutRect() {
        QFETCH(TRect, r);
        QFETCH(QSize, size);
        const QImage source = Picture(30, 40);
        QImage dest = Canvas(3, 3);
        CutRect(dest, source, r);
        if (!size.isValid()) {
            QVERIFY(dest.isNull());
            return;
        }
        QCOMPARE(dest.size(), size);
        QCOMPARE(dest.format(), QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const qint64 sx = qint64(r.Left) + x, sy = qint64(r.Top) + y;
                const bool inside = sx >= 0 && sy >= 0 && sx < 30 && sy < 40;
                QCOMPARE(dest.pixel(x, y), inside ? Unique(int(sx), int(sy)) : kBlack);
            }
    }

    void cutRectCopiesColourNotAlpha() {
        QImage source(2, 1, QImage::Format_ARGB32);
        source.setPixel(0, 0, qRgba(10, 20, 30, 0));
        source.setPixel(1, 0, qRgba(40, 50, 60, 128));
        QImage dest;
        CutRect(dest, source, {0, 0, 2, 1});
        QCOMPARE(dest.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(dest.pixel(1, 0), qRgb(40, 50, 60));
    }

    void drawTiled_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (bool horizontal : {false, true}) {
            const char* name = horizontal ? "horizontal" : "vertical";
            QTest::addRow("%s, 20 long, caps 3 and 3", name) << horizontal << 20 << 3 << 3;
            QTest::addRow("%s, 17 long, caps 2 and 1", name) << horizontal << 17 << 2 << 1;
            QTest::addRow("%s, caps only", name) << horizontal << 6 << 3 << 3;
            QTest::addRow("%s, caps overlap", name) << horizontal << 4 << 3 << 3;
            QTest::addRow("%s, no caps", name) << horizontal << 7 << 0 << 0;
            QTest::addRow("%s, shorter than the middle", name) << horizontal << 2 << 0 << 0;
        }
    }
    void drawTiled() {
        QFETCH(bool, horizontal);
        QFETCH(int, length);
        QFETCH(int, first);
        QFETCH(int, second);
        // A source 10 long and 5 across; the target sits at 3, 2 on a bigger
        // canvas, so anything drawn outside it shows.
        const QImage source = horizontal ? Picture(10, 5) : Picture(5, 10);
        const int width = horizontal ? length : 5, height = horizontal ? 5 : length;
        QImage canvas = Canvas(40, 40);
        QPainter painter(&canvas);
        DrawTiled(painter, width, height, source, first, second, horizontal, 3, 2);
        painter.end();
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const int tx = x - 3, ty = y - 2;
                QRgb want = kWhite;
                if (tx >= 0 && ty >= 0 && tx < width && ty < height) {
                    const int t = horizontal ? tx : ty;
                    const int s = SourceOffset(t, length, 10, first, second);
                    want = horizontal ? Unique(s, ty) : Unique(tx, s);
                }
                if (canvas.pixel(x, y) != want)
                    QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
            }
    }

    void drawTiledKeepsCapsExcluded() {
        const QImage source = Picture(5, 10);
        QImage canvas = Canvas(5, 20);
        QPainter painter(&canvas);
        DrawTiled(painter, 5, 20, source, 3, 3, false, 0, 0);
        painter.fillRect(0, 0, 5, 20, Qt::red);
        painter.end();
        for (int y = 0; y < 20; ++y) {
            const bool cap = y < 3 || y >= 17;
            QCOMPARE(canvas.pixel(2, y) == qRgb(255, 0, 0), !cap);
        }
    }

    void drawTiledRefusesNonsense_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("height");
        QTest::newRow("no middle") << 5 << 5 << 20;
        QTest::newRow("caps longer than the source") << 8 << 6 << 20;
        QTest::newRow("negative cap") << -2 << 3 << 20;
        QTest::newRow("zero height") << 3 << 3 << 0;
        QTest::newRow("negative height") << 3 << 3 << -20;
    }
    void drawTiledRefusesNonsense() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, height);
        QImage canvas = Canvas(5, 20);
        QPainter painter(&canvas);
        DrawTiled(painter, 5, height, Picture(5, 10), first, second, false, 0, 0);
        painter.end();
        QCOMPARE(canvas, Canvas(5, 20));
    }

    void drawTiledHugeTargetIsQuick() {
        // A one-pixel middle and a target of the whole int range: only the
        // tiles on the canvas may be drawn.
        QImage canvas = Canvas(8, 8);
        QPainter painter(&canvas);
        QElapsedTimer timer;
        timer.start();
        constexpr int kMax = std::numeric_limits<int>::max();
        DrawTiled(painter, 5, kMax, Picture(5, 3), 1, 1, false, 0, -kMax / 2);
        DrawTiled(painter, kMax, 5, Picture(3, 5), 1, 1, true, std::numeric_limits<int>::min(), 0);
        painter.end();
        QVERIFY(timer.elapsed() < 60000); // a hang guard: drawing every tile takes hours
        QCOMPARE(canvas.pixel(2, 4), Unique(2, 1));
    }

    void drawThreeParts() {
        auto solid = [](int height, QRgb colour) {
            QImage image(4, height, QImage::Format_RGB32);
            image.fill(colour);
            return image;
        };
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
                   yellow = qRgb(255, 255, 0);
        QImage centre = solid(3, green);
        centre.setPixel(1, 1, blue);
        QImage target = Canvas(4, 12);
        DrawThreeParts(target, solid(2, red), centre, solid(1, yellow));
        const QList<QRgb> column = {red,   red,  green, green, blue, green,
                                    green, blue, green, green, blue, yellow};
        for (int y = 0; y < 12; ++y) {
            QCOMPARE(target.pixel(1, y), column[y]);
            QCOMPARE(target.pixel(0, y), column[y] == blue ? green : column[y]);
        }
    }

    void drawTransparent_data() {
        QTest::addColumn<TColor>("key");
        QTest::addColumn<int>("hidden");
        QTest::newRow("magenta") << RGBColor(255, 0, 255) << 0;
        QTest::newRow("asymmetric key") << TColor(0x00563412) << 2;
        QTest::newRow("system colour key") << TColor(0xFF000005) << 4; // window: white
    }
    void drawTransparent() {
        QFETCH(TColor, key);
        QFETCH(int, hidden);
        const QList<QRgb> colours = {qRgb(255, 0, 255), qRgb(254, 0, 255), qRgb(0x12, 0x34, 0x56),
                                     qRgb(0x56, 0x34, 0x12), qRgb(255, 255, 255)};
        QImage bitmap(int(colours.size()), 1, QImage::Format_RGB32);
        for (int x = 0; x < colours.size(); ++x)
            bitmap.setPixel(x, 0, colours[x]);
        const QRgb background = qRgb(7, 7, 7);
        QImage canvas(8, 3, QImage::Format_RGB32);
        canvas.fill(background);
        QPainter painter(&canvas);
        DrawTransparent(painter, 2, 1, key, bitmap);
        painter.end();
        for (int x = 0; x < colours.size(); ++x)
            QCOMPARE(canvas.pixel(2 + x, 1), x == hidden ? background : colours[x]);
        QCOMPARE(canvas.pixel(1, 1), background);
    }

    void drawTransparentIgnoresAlpha() {
        QImage bitmap(2, 1, QImage::Format_ARGB32);
        bitmap.setPixel(0, 0, qRgba(10, 20, 30, 0));
        bitmap.setPixel(1, 0, qRgba(255, 0, 255, 255));
        QImage canvas = Canvas(2, 1);
        QPainter painter(&canvas);
        DrawTransparent(painter, 0, 0, RGBColor(255, 0, 255), bitmap);
        painter.end();
        QCOMPARE(canvas.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(canvas.pixel(1, 0), kWhite);
    }
};

QX_REGISTER_TEST(DrawTest)
#include "DrawTest.moc"
