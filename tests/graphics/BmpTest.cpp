#include <QPainter>
#include <QTest>

#include "TestRegistry.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKMask.h"

namespace {

// A picture whose every pixel differs, so any shifted or swapped byte shows.
QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 + 1, y * 11 + 2, (x + y) * 3 + 5));
    return image;
}

} // namespace

class BmpTest : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("stride");
        QTest::newRow("1") << 1 << 4;
        QTest::newRow("2") << 2 << 8;
        QTest::newRow("3") << 3 << 12;
        QTest::newRow("4") << 4 << 12;
        QTest::newRow("5") << 5 << 16;
    }
    void layout() {
        QFETCH(int, width);
        QFETCH(int, stride);
        const QImage source = Gradient(width, 3);
        TVESKBmp bmp(source);
        QCOMPARE(bmp.Width(), width);
        QCOMPARE(bmp.Height(), 3);
        QCOMPARE(bmp.Stride(), stride);
        QCOMPARE(bmp.ImageSize(), qsizetype(stride * 3));
        // Row 2 starts at bits + 2 * stride; pixels are blue, green, red.
        const std::uint8_t* px = bmp.Bits() + 2 * stride + (width - 1) * 3;
        const QRgb want = source.pixel(width - 1, 2);
        QCOMPARE(int(px[0]), qBlue(want));
        QCOMPARE(int(px[1]), qGreen(want));
        QCOMPARE(int(px[2]), qRed(want));
    }

    void copyIsIndependentOfSource() {
        QImage source = Gradient(2, 2).convertToFormat(QImage::Format_BGR888);
        const QImage before = source.copy();
        TVESKBmp bmp(source);
        const std::uint8_t black[6] = {};
        bmp.SetRow(0, black);
        QCOMPARE(source, before);
        QCOMPARE(bmp.Image().pixel(0, 0), qRgb(0, 0, 0));
    }

    void rowsLeavePaddingAlone() {
        TVESKBmp bmp(Gradient(5, 2)); // 15 bytes of pixels, 1 of padding
        std::uint8_t* pad = bmp.Bits() + 15;
        *pad = 0xA5;
        std::vector<std::uint8_t> row(16, 0xEE);
        bmp.GetRow(0, row);
        QCOMPARE(int(row[15]), 0xEE); // only width * 3 bytes are read
        const QRgb first = Gradient(5, 2).pixel(0, 0);
        QCOMPARE(int(row[0]), qBlue(first));
        QCOMPARE(int(row[2]), qRed(first));

        std::fill(row.begin(), row.end(), 0x11);
        bmp.SetRow(0, row);
        QCOMPARE(int(*pad), 0xA5);
        QCOMPARE(bmp.Image().pixel(4, 0), qRgb(0x11, 0x11, 0x11));
        QCOMPARE(bmp.Image().pixel(0, 1), Gradient(5, 2).pixel(0, 1));
    }

    void badRowsAreIgnored_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("bufferSize");
        QTest::newRow("above") << -1 << 9;
        QTest::newRow("below") << 2 << 9;
        QTest::newRow("short buffer") << 0 << 8;
    }
    void badRowsAreIgnored() {
        QFETCH(int, y);
        QFETCH(int, bufferSize);
        const QImage source = Gradient(3, 2);
        TVESKBmp bmp(source);
        std::vector<std::uint8_t> buffer(std::size_t(bufferSize), 0x42);
        bmp.GetRow(y, buffer);
        QVERIFY(std::all_of(buffer.begin(), buffer.end(), [](auto b) { return b == 0x42; }));
        bmp.SetRow(y, buffer);
        QCOMPARE(bmp.Image().convertToFormat(QImage::Format_RGB32), source);
    }

    void nullSourceIsEmpty() {
        TVESKBmp bmp{QImage()};
        QCOMPARE(bmp.Width(), 0);
        QCOMPARE(bmp.ImageSize(), qsizetype(0));
        int top = -1, bottom = -1;
        MakeMask(bmp, top, bottom);
        QCOMPARE(top, 0);
        QCOMPARE(bottom, 0);
    }

    void drawCopiesUnscaled() {
        const QImage source = Gradient(3, 2);
        TVESKBmp bmp(source);
        QImage canvas(6, 5, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        bmp.Draw(painter, 2, 3);
        painter.end();
        QCOMPARE(canvas.copy(2, 3, 3, 2), source);
        QCOMPARE(canvas.pixel(1, 3), qRgb(255, 255, 255));
    }

    void maskBounds_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("10x168") << 10 << 168 << 83 << 84;
        QTest::newRow("10x167") << 10 << 167 << 82 << 84;
        QTest::newRow("10x1") << 10 << 1 << 0 << 1;
        QTest::newRow("10x2") << 10 << 2 << 0 << 1;
        QTest::newRow("0x168") << 0 << 168 << 0 << 0;
    }
    void maskBounds() {
        QFETCH(int, width);
        QFETCH(int, height);
        QImage source(width, height, QImage::Format_RGB32);
        source.fill(Qt::red);
        TVESKBmp bmp(source);
        int top = -1, bottom = -1;
        MakeMask(bmp, top, bottom);
        QTEST(top, "top");
        QTEST(bottom, "bottom");
    }

    void maskPixels() {
        const QList<QRgb> colours = {qRgb(255, 0, 255),   qRgb(254, 0, 255), qRgb(255, 1, 255),
                                     qRgb(255, 255, 255), qRgb(0, 0, 0),     qRgb(255, 0, 254)};
        QImage source(int(colours.size()), 2, QImage::Format_RGB32);
        for (int x = 0; x < colours.size(); ++x) {
            source.setPixel(x, 0, colours[x]);
            source.setPixel(x, 1, colours[colours.size() - 1 - x]);
        }
        TVESKBmp bmp(source);
        int top, bottom;
        MakeMask(bmp, top, bottom);
        const QImage mask = bmp.Image();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const bool key = source.pixel(x, y) == qRgb(255, 0, 255);
                QCOMPARE(mask.pixel(x, y), key ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            }
    }
};

QX_REGISTER_TEST(BmpTest)
#include "BmpTest.moc"
