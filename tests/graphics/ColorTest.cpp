#include <limits>

#include <QTest>

#include "GraphicsTestTypes.h"
#include "TestRegistry.h"
#include "graphics/VESKColor.h"
#include "graphics/VESKFont.h"
#include "graphics/VESKRect.h"

class ColorTest : public QObject {
    Q_OBJECT

private slots:
    void colourConversion_data() {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("asymmetric") << TColor(0x00563412) << qRgb(0x12, 0x34, 0x56);
        QTest::newRow("red is the low byte") << TColor(0x000000FF) << qRgb(255, 0, 0);
        QTest::newRow("blue is the high byte") << TColor(0x00FF0000) << qRgb(0, 0, 255);
    }
    void colourConversion() {
        QFETCH(TColor, color);
        QFETCH(QRgb, rgb);
        QCOMPARE(ColorToRgb(color), rgb);
        QCOMPARE(RgbToColor(rgb), color);
        QCOMPARE(RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb)), color);
        QCOMPARE(ColorToQColor(color), QColor(rgb));
    }

    void systemColours_data() {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<TColor>("resolved");
        QTest::newRow("button face") << TColor(0xFF00000F) << RGBColor(212, 208, 200);
        QTest::newRow("highlight") << TColor(0xFF00000D) << RGBColor(10, 36, 106);
        QTest::newRow("index past the table") << TColor(0xFF0000C8) << TColor(0);
        QTest::newRow("plain colour") << TColor(0x00563412) << TColor(0x00563412);
    }
    void systemColours() {
        QFETCH(TColor, color);
        QFETCH(TColor, resolved);
        QCOMPARE(ResolveColor(color), resolved);
        QVERIFY(!IsSystemColor(resolved));
    }

    void rectSizesSaturate_data() {
        QTest::addColumn<TRect>("r");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("qrect");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        constexpr int kLimit = TRect::kQRectLimit;
        QTest::newRow("plain") << TRect{5, 6, 15, 26} << 10 << QRect(5, 6, 10, 20);
        QTest::newRow("inverted") << TRect{15, 6, 5, 26} << -10 << QRect(15, 6, -10, 20);
        QTest::newRow("widest") << TRect{kMin, 0, kMax, 1} << kMax
                                << QRect(-kLimit, 0, 2 * kLimit, 1);
        QTest::newRow("most inverted")
            << TRect{kMax, 0, kMin, 1} << kMin << QRect(kLimit, 0, -2 * kLimit, 1);
        QTest::newRow("at int min")
            << TRect{kMin, kMin, kMin, kMin} << 0 << QRect(-kLimit, -kLimit, 0, 0);
    }
    void rectSizesSaturate() {
        QFETCH(TRect, r);
        QFETCH(int, width);
        QFETCH(QRect, qrect);
        QCOMPARE(r.Width(), width);
        QCOMPARE(r.ToQRect(), qrect);
    }

    void rectRoundTrip() {
        const TRect r{5, 6, 15, 26};
        QCOMPARE(TRect::FromQRect(r.ToQRect()), r);
        QCOMPARE(r.ToQRect().right(), 14); // exclusive right, inclusive QRect::right
    }

    void fontPixelSize_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixels");
        QTest::newRow("character height") << -11 << 11;
        QTest::newRow("cell height, Tahoma") << 12 << 10;
        QTest::newRow("zero: the default 8 points") << 0 << 11;
        QTest::newRow("int min") << std::numeric_limits<int>::min() << TFont::kMaxPixelSize;
        QTest::newRow("huge") << -1000000 << TFont::kMaxPixelSize;
    }
    void fontPixelSize() {
        QFETCH(int, height);
        QFETCH(int, pixels);
        TFont font;
        font.Height = height;
        font.Style = fsBold | fsUnderline;
        const QFont q = font.ToQFont();
        QCOMPARE(q.pixelSize(), pixels);
        QVERIFY(q.bold() && q.underline() && !q.italic());
        QCOMPARE(font.Height, height); // the written value is kept for saving
    }
};

QX_REGISTER_TEST(ColorTest)
#include "ColorTest.moc"
