#include <QTest>

#include "ControlsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSENumLabel.h"

using namespace ControlsTest;

namespace {

constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 2;

QRgb GlyphColour(int index) {
    return qRgb(20 + 15 * index, 100, 50);
}

// A strip of `count` glyphs, each a solid colour that names its index.
QImage Strip(int count) {
    QImage strip(kGlyphWidth * count, kGlyphHeight, QImage::Format_RGB32);
    for (int index = 0; index < count; ++index)
        for (int x = 0; x < kGlyphWidth; ++x)
            for (int y = 0; y < kGlyphHeight; ++y)
                strip.setPixel(kGlyphWidth * index + x, y, GlyphColour(index));
    return strip;
}

// The glyph indices shown in the cells, read back from their colours; -1
// for a cell showing anything else.
QList<int> ShownGlyphs(const QImage& image, int cells) {
    QList<int> shown;
    for (int cell = 0; cell < cells; ++cell) {
        int found = -1;
        for (int index = 0; index < 13; ++index)
            if (image.pixel(cell * kGlyphWidth + 1, 1) == GlyphColour(index))
                found = index;
        shown << found;
    }
    return shown;
}

} // namespace

class NumLabelTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SelectedElement = nullptr; }

    void glyphs_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("glyphs");
        QTest::addColumn<QString>("captionAfter");
        QTest::newRow("time") << "-12:34"
                              << "-00:00" << 13 << QList<int>{11, 1, 2, 10, 3, 4} << "-12:34";
        QTest::newRow("blank cell") << " 5:07"
                                    << "00:00" << 13 << QList<int>{12, 5, 10, 0, 7} << " 5:07";
        QTest::newRow("letters show the zero glyph") << "1a%"
                                                     << "000" << 13 << QList<int>{1, 0, 0} << "1a%";
        QTest::newRow("other length: the template")
            << "123"
            << "00:00" << 13 << QList<int>{0, 0, 10, 0, 0} << "00:00";
        QTest::newRow("empty tray status") << ""
                                           << "0" << 3 << QList<int>{0} << "0";
        QTest::newRow("mode indicator") << "2"
                                        << "0" << 3 << QList<int>{2} << "2";
    }
    void glyphs() {
        QFETCH(QString, caption);
        QFETCH(QString, defaultText);
        QFETCH(int, count);
        QFETCH(QList<int>, glyphs);
        QFETCH(QString, captionAfter);
        TVESKSENumLabel display;
        display.SetComponentCount(quint8(count));
        display.SetDefault(defaultText);
        display.SetCaption(caption);
        display.SetSkin(Strip(count));
        display.resize(kGlyphWidth * int(defaultText.size()), kGlyphHeight);
        QCOMPARE(ShownGlyphs(Render(display), int(glyphs.size())), glyphs);
        QCOMPARE(display.Caption(), captionAfter);
    }

    void truncatedGlyphWidthLeavesTheLastColumnsOut() {
        // 41 columns for 13 glyphs: 3 each, columns 39 and 40 never show.
        QImage strip(41, 1, QImage::Format_RGB32);
        for (int x = 0; x < 41; ++x)
            strip.setPixel(x, 0, qRgb(x, 0, 0));
        TVESKSENumLabel display;
        display.SetDefault(QStringLiteral("00"));
        display.SetCaption(QStringLiteral(" 9"));
        display.SetSkin(strip);
        display.resize(8, 1);
        const QImage image = Render(display);
        const QList<int> expected = {36, 37, 38, 27, 28, 29};
        for (int x = 0; x < 6; ++x)
            QCOMPARE(qRed(image.pixel(x, 0)), expected[x]);
        // Beyond the cells the display is blank.
        QCOMPARE(image.pixel(6, 0), kWhite);
        QCOMPARE(image.pixel(7, 0), kWhite);
    }

    void magentaShowsTheBackground() {
        QImage strip = Strip(13);
        strip.setPixel(1, 0, kMagenta);
        TVESKSENumLabel display;
        display.SetDefault(QStringLiteral("0"));
        display.SetCaption(QStringLiteral("0"));
        display.SetSkin(strip);
        display.resize(kGlyphWidth, kGlyphHeight);
        const QImage image = Render(display);
        QCOMPARE(image.pixel(1, 0), kWhite);
        QCOMPARE(image.pixel(0, 0), GlyphColour(0));
    }

    void frameWhileSelectedAndNoOutline() {
        TVESKSENumLabel display;
        display.SetDefault(QStringLiteral("0000"));
        display.SetCaption(QStringLiteral("8888"));
        display.SetSkin(Strip(13));
        display.resize(4 * kGlyphWidth, kGlyphHeight);
        QCOMPARE(Row(Render(display), 0), QString(12, '.'));
        SelectedElement = &display;
        const QImage image = Render(display);
        QCOMPARE(Row(image, 0), QString(12, 'g'));
        QCOMPARE(Row(image, 1), QString(12, 'g'));
        SelectedElement = nullptr;
        // The plain display never frames itself.
        TVESKNumLabel plain;
        plain.resize(6, 4);
        SelectedElement = &plain;
        QCOMPARE(Row(Render(plain), 0), QString(6, '.'));
    }

    void noGlyphCountPaintsBlank() {
        TVESKSENumLabel display;
        display.SetComponentCount(0);
        display.SetDefault(QStringLiteral("00"));
        display.SetSkin(Strip(13));
        display.resize(6, 2);
        QCOMPARE(Render(display), Solid(6, 2, kWhite));
    }
};

QX_REGISTER_TEST(NumLabelTest)
#include "NumLabelTest.moc"
