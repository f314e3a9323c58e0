#include <limits>

#include <QTest>

#include "TestRegistry.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKColor.h"
#include "graphics/VESKHue.h"

namespace {

struct TRgb {
    int r, g, b;
};

TRgb Shifted(TRgb c, int value) {
    auto r = std::uint8_t(c.r), g = std::uint8_t(c.g), b = std::uint8_t(c.b);
    HueShift(r, g, b, value);
    return {r, g, b};
}

// A 24-bit bitmap whose pixels are the given colours in one row.
QImage Strip(const QList<QRgb>& colours) {
    QImage image(int(colours.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < colours.size(); ++x)
        image.setPixel(x, 0, colours[x]);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(TRgb)

class HueTest : public QObject {
    Q_OBJECT

private slots:
    void hueShift_data() {
        QTest::addColumn<TRgb>("in");
        QTest::addColumn<int>("value");
        QTest::addColumn<TRgb>("out");
        QTest::newRow("red by 85 is green") << TRgb{255, 0, 0} << 85 << TRgb{0, 255, 0};
        QTest::newRow("red by 170 is blue") << TRgb{255, 0, 0} << 170 << TRgb{0, 0, 255};
        QTest::newRow("red by 255 is red") << TRgb{255, 0, 0} << 255 << TRgb{255, 0, 0};
        QTest::newRow("red by -85 is blue") << TRgb{255, 0, 0} << -85 << TRgb{0, 0, 255};
        QTest::newRow("green by -85 is red") << TRgb{0, 255, 0} << -85 << TRgb{255, 0, 0};
        QTest::newRow("blue by 85 wraps to red") << TRgb{0, 0, 255} << 85 << TRgb{255, 0, 0};
        QTest::newRow("red by 510 wraps once, then folds")
            << TRgb{255, 0, 0} << 510 << TRgb{255, 0, 0};
        QTest::newRow("red by 340 is green again") << TRgb{255, 0, 0} << 340 << TRgb{0, 255, 0};
        QTest::newRow("zero changes nothing") << TRgb{12, 34, 56} << 0 << TRgb{12, 34, 56};
        QTest::newRow("grey keeps its value") << TRgb{128, 128, 128} << 100 << TRgb{128, 128, 128};
        QTest::newRow("white stays") << TRgb{255, 255, 255} << -40 << TRgb{255, 255, 255};
        QTest::newRow("int max does not overflow")
            << TRgb{7, 7, 7} << std::numeric_limits<int>::max() << TRgb{7, 7, 7};
        QTest::newRow("int min does not overflow")
            << TRgb{0, 0, 0} << std::numeric_limits<int>::min() << TRgb{0, 0, 0};
    }
    void hueShift() {
        QFETCH(TRgb, in);
        QFETCH(int, value);
        QFETCH(TRgb, out);
        const TRgb got = Shifted(in, value);
        QCOMPARE(got.r, out.r);
        QCOMPARE(got.g, out.g);
        QCOMPARE(got.b, out.b);
    }

    void roundTripKeepsColours() {
        for (int r = 0; r < 256; r += 15)
            for (int g = 0; g < 256; g += 17)
                for (int b = 0; b < 256; b += 5) {
                    float l, s, h;
                    RGBToHSL(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b), l, s, h);
                    QVERIFY(l >= 0 && l <= 1 && s >= 0 && s <= 1 && h >= 0 && h <= 1);
                    std::uint8_t r2, g2, b2;
                    HSLToRGB(r2, g2, b2, l, s, h);
                    if (r2 != r || g2 != g || b2 != b)
                        QFAIL(qPrintable(QString("%1,%2,%3 came back as %4,%5,%6")
                                             .arg(r)
                                             .arg(g)
                                             .arg(b)
                                             .arg(r2)
                                             .arg(g2)
                                             .arg(b2)));
                }
    }

    void hslKnownValues() {
        float l, s, h;
        RGBToHSL(0, 0, 255, l, s, h);
        QCOMPARE(l, 0.5f);
        QCOMPARE(s, 1.0f);
        QCOMPARE(h, 4.0f / 6.0f);
        RGBToHSL(255, 0, 128, l, s, h); // red is max, green < blue: hue wraps
        QVERIFY(h > 0.9f && h < 1.0f);
    }

    void hslToRgbRoundsAndSaturates_data() {
        QTest::addColumn<float>("l");
        QTest::addColumn<float>("s");
        QTest::addColumn<int>("grey");
        QTest::newRow("too light") << 3.0f << 0.0f << 255;
        QTest::newRow("negative") << -1.0f << 0.0f << 0;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << 0.0f << 0;
        QTest::newRow("126.5 rounds to even") << 126.5f / 255.0f << 0.0f << 126;
        QTest::newRow("127.5 rounds to even") << 127.5f / 255.0f << 0.0f << 128;
    }
    void hslToRgbRoundsAndSaturates() {
        QFETCH(float, l);
        QFETCH(float, s);
        QFETCH(int, grey);
        std::uint8_t r = 1, g = 1, b = 1;
        HSLToRGB(r, g, b, l, s, 0.0f);
        QCOMPARE(int(r), grey);
        QCOMPARE(int(g), grey);
        QCOMPARE(int(b), grey);
    }

    void themeColor_data() {
        QTest::addColumn<TColor>("in");
        QTest::addColumn<int>("value");
        QTest::addColumn<TColor>("out");
        const TColor btnFace = TColor(0xFF00000F);
        QTest::newRow("system colour, 0") << btnFace << 0 << btnFace;
        QTest::newRow("system highlight rotated") << TColor(0xFF00000D) << 85 << [] {
            auto r = std::uint8_t(10), g = std::uint8_t(36), b = std::uint8_t(106);
            HueShift(r, g, b, 85);
            return RGBColor(r, g, b);
        }();
        QTest::newRow("red to green") << RGBColor(255, 0, 0) << 85 << RGBColor(0, 255, 0);
        QTest::newRow("plain colour, 0 keeps top byte")
            << TColor(0x01563412) << 0 << TColor(0x01563412);
    }
    void themeColor() {
        QFETCH(TColor, in);
        QFETCH(int, value);
        QFETCH(TColor, out);
        QCOMPARE(ThemeColor(in, value), out);
        if (value != 0)
            QVERIFY(!IsSystemColor(ThemeColor(in, value)));
    }

    void scaleColor_data() {
        QTest::addColumn<TColor>("in");
        QTest::addColumn<float>("factor");
        QTest::addColumn<TColor>("out");
        QTest::newRow("darken truncates")
            << RGBColor(100, 51, 255) << 0.8f << RGBColor(80, 40, 204);
        QTest::newRow("system colour resolved")
            << TColor(0xFF00000F) << 0.8f << RGBColor(169, 166, 160);
        QTest::newRow("lighten saturates")
            << RGBColor(255, 200, 10) << 1.2f << RGBColor(255, 240, 12);
        QTest::newRow("negative factor is black")
            << RGBColor(9, 9, 9) << -1.0f << RGBColor(0, 0, 0);
        QTest::newRow("nan is black")
            << RGBColor(9, 9, 9) << std::numeric_limits<float>::quiet_NaN() << RGBColor(0, 0, 0);
    }
    void scaleColor() {
        QFETCH(TColor, in);
        QFETCH(float, factor);
        QFETCH(TColor, out);
        QCOMPARE(ScaleColor(in, factor), out);
    }

    void applyHue_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("0") << 0;
        QTest::newRow("85") << 85;
        QTest::newRow("-200") << -200;
    }
    void applyHue() {
        QFETCH(int, value);
        const QList<QRgb> colours = {qRgb(255, 0, 255), qRgb(254, 0, 255), qRgb(90, 90, 90),
                                     qRgb(255, 0, 0), qRgb(12, 200, 77)};
        TVESKBmp bmp(Strip(colours));
        ApplyHue(bmp, value);
        const QImage out = bmp.Image();
        QCOMPARE(out.pixel(0, 0), qRgb(255, 0, 255));
        QCOMPARE(out.pixel(2, 0), qRgb(90, 90, 90));
        for (int x : {1, 3, 4}) {
            const QRgb c = colours[x];
            const TRgb want = Shifted({qRed(c), qGreen(c), qBlue(c)}, value);
            QCOMPARE(out.pixel(x, 0), qRgb(want.r, want.g, want.b));
        }
        if (value != 0)
            QVERIFY(out.pixel(1, 0) != colours[1]);
        else
            QCOMPARE(out.pixel(1, 0), colours[1]);
    }
};

QX_REGISTER_TEST(HueTest)
#include "HueTest.moc"
