#include <QTest>

#include "ControlsTestSupport.h"
#include "TestRegistry.h"
#include "controls/VESKMenuPainter.h"

using namespace ControlsTest;

namespace {

TFont TextFont() {
    return TFont{QStringLiteral("DejaVu Sans"), RGBColor(255, 255, 255), -12, 0};
}

QImage Canvas(int width = 200, int height = 20) {
    return Solid(width, height, kUntouched);
}

QImage TextOf(const QString& text, const TRect& rect, unsigned state = 0, bool menuBar = false,
              TShortCut shortcut = 0) {
    QImage image = Canvas();
    QPainter canvas(&image);
    TVESKMenuPainter().DrawItemText(canvas, menuBar, rect, 20, state, shortcut, text, TextFont(),
                                    false);
    return image;
}

// The first and last column holding a pixel that is not the background.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kUntouched) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

class MenuPainterTest : public QObject {
    Q_OBJECT

private slots:
    // Names as the player's users read them.
    void shortcutNames_data() {
        QTest::addColumn<int>("shortcut");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << 0 << "";
        QTest::newRow("enter") << 13 << "Enter";
        QTest::newRow("ctrl+s") << int(scCtrl | 'S') << "Ctrl+S";
        QTest::newRow("shift+f1") << int(scShift | 0x70) << "Shift+F1";
        QTest::newRow("alt+delete") << int(scAlt | 0x2E) << "Alt+Del";
        QTest::newRow("unknown key") << 0xFF << "";
    }
    void shortcutNames() {
        QFETCH(int, shortcut);
        QFETCH(QString, name);
        QCOMPARE(ShortCutToText(TShortCut(shortcut)), name);
    }

    void menuBarBackgrounds() {
        const TVESKMenuPainter painter;
        QImage hot = Canvas(40, 20), plain = Canvas(40, 20);
        {
            QPainter canvas(&hot);
            painter.DrawItemBackground(canvas, RGBColor(0, 0, 200), RGBColor(0, 200, 0),
                                       RGBColor(200, 0, 0), {0, 0, 40, 20}, true, ODS_HOTLIGHT,
                                       TextFont(), 20, RGBColor(1, 1, 1));
            QPainter other(&plain);
            painter.DrawItemBackground(other, RGBColor(0, 0, 200), RGBColor(0, 200, 0),
                                       RGBColor(200, 0, 0), {0, 0, 40, 20}, true, 0, TextFont(), 20,
                                       RGBColor(1, 1, 1));
        }
        // Hot: the selected colour inside the button shadow, no gutter.
        QCOMPARE(hot.pixel(0, 0), ColorToRgb(GetSysColor(16)));
        QCOMPARE(hot.pixel(39, 19), ColorToRgb(GetSysColor(16)));
        QCOMPARE(hot.pixel(5, 5), qRgb(0, 0, 200));
        QCOMPARE(plain, Solid(40, 20, ColorToRgb(GetSysColor(15))));
    }

    // The mnemonic marker is hidden, "&&" shows one '&'.
    void mnemonicsHidden() {
        const TRect rect{0, 0, 200, 20};
        QCOMPARE(TextOf(QStringLiteral("&Open"), rect), TextOf(QStringLiteral("Open"), rect));
        QVERIFY(TextOf(QStringLiteral("A&&B"), rect) != TextOf(QStringLiteral("AB"), rect));
        QCOMPARE(TextOf(QStringLiteral("A&B"), rect), TextOf(QStringLiteral("AB"), rect));
    }

    void popupTextStartsAfterTheGutterMenuBarTextIsCentred() {
        const auto [popupLeft, popupRight] =
            InkColumns(TextOf(QStringLiteral("Item"), {0, 0, 200, 20}));
        QVERIFY(popupLeft >= 25 && popupLeft <= 27);
        const auto [barLeft, barRight] =
            InkColumns(TextOf(QStringLiteral("Item"), {0, 0, 200, 20}, 0, true));
        QVERIFY(qAbs((barLeft + barRight) - 200) <= 3);
        Q_UNUSED(popupRight);
    }

    // Too long a text ends in an ellipsis inside the item instead of
    // running past it.
    void longTextIsShortened() {
        const auto [left, right] = InkColumns(TextOf(QString(60, u'W'), {0, 0, 120, 20}));
        QVERIFY(left >= 25);
        QVERIFY(right < 120);
    }

    void shortcutRightAlignedFiveFromTheEdge() {
        const auto [left, right] = InkColumns(TextOf(QString(), {0, 0, 200, 20}, 0, false, 13));
        QVERIFY(right < 195);
        QVERIFY(right >= 190);
        QVERIFY(left > 120);
    }

    void disabledIsGrayDefaultIsBold() {
        const TRect rect{0, 0, 200, 20};
        const QImage disabled = TextOf(QStringLiteral("Item"), rect, ODS_DISABLED);
        bool gray = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x)
                gray |= disabled.pixel(x, y) == qRgb(128, 128, 128);
        QVERIFY(gray);
        const auto normal = InkColumns(TextOf(QStringLiteral("Item Item"), rect));
        const auto bold = InkColumns(TextOf(QStringLiteral("Item Item"), rect, ODS_DEFAULT));
        QVERIFY(bold.second > normal.second);
    }
};

QX_REGISTER_TEST(MenuPainterTest)
#include "MenuPainterTest.moc"
