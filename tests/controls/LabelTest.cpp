#include <QFontInfo>
#include <QTest>

#include "ControlsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "controls/VESK_SE_Panel.h"
#include "graphics/SkinFontFace.h"

using namespace ControlsTest;

namespace {

// An asymmetric skin colour: red in the low byte.
constexpr TColor kTextColour = 0x00204080;
const QRgb kTextRgb = qRgb(0x80, 0x40, 0x20);
constexpr QRgb kPanelRgb = 0xFF3366CC;

TFont BigFont() {
    TFont font;
    font.Name = QStringLiteral("DejaVu Sans");
    font.Height = -20;
    font.Color = kTextColour;
    return font;
}

// Columns that hold a pixel of the text colour.
std::pair<int, int> TextColumns(const QImage& image) {
    int first = image.width(), last = -1;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (image.pixel(x, y) == kTextRgb) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

class LabelTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SelectedElement = nullptr; }

    void background_data() {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("selected");
        QTest::newRow("opaque") << false << false;
        QTest::newRow("transparent") << true << false;
        QTest::newRow("transparent, selected") << true << true;
    }
    void background() {
        QFETCH(bool, transparent);
        QFETCH(bool, selected);
        TVESKSEPanel panel;
        panel.resize(60, 30);
        panel.SetImgBackGround(Solid(60, 30, kPanelRgb));
        TVESKSELabel label(&panel);
        label.SetAutoSize(false);
        label.setGeometry(5, 5, 40, 20);
        label.SetTransparent(transparent);
        if (selected)
            SelectedElement = &label;
        const QImage image = Render(panel).copy(label.geometry());
        QCOMPARE(image.pixel(20, 10), transparent ? kPanelRgb : kWhite);
        // The outline, or the frame, over whatever lies behind.
        QCOMPARE(Row(image, 0).left(10),
                 selected ? QString(10, 'g') : QStringLiteral(".#########"));
        QCOMPARE(Row(image, 19).right(3), selected ? QStringLiteral("ggg") : QStringLiteral("..."));
    }

    // Heights as the player reads them, in the faces registered at start: a
    // positive height is the line (ascent plus descent), a negative one the
    // em. Two lines of text stand one line apart.
    void skinHeightsGiveThePlayersLines_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("em");
        QTest::addColumn<int>("line");
        QTest::newRow("Tahoma 12") << "Tahoma" << 12 << 10 << 12;
        QTest::newRow("Tahoma -11") << "Tahoma" << -11 << 11 << 13;
        QTest::newRow("MS Sans Serif 13") << "MS Sans Serif" << 13 << 13 << 13;
    }
    void skinHeightsGiveThePlayersLines() {
        QFETCH(QString, face);
        QFETCH(int, height);
        QFETCH(int, em);
        QFETCH(int, line);
        const TFont font{face, kTextColour, height, fsBold};
        const TSkinFontFace drawn = SkinFontFace(font);
        QCOMPARE(QFontInfo(drawn.Font).family(), face);
        QCOMPARE(drawn.Font.pixelSize(), em);
        QCOMPARE(drawn.LineHeight(), line);

        TVESKSELabel one, two;
        one.SetFont(font);
        two.SetFont(font);
        one.SetCaption(QStringLiteral("H"));
        two.SetCaption(QStringLiteral("H\nH"));
        QCOMPARE(two.height(), 2 * line);
        // The second line is the first moved down by one line (outline aside).
        const QRect inside(1, 1, one.width() - 2, line - 2);
        QCOMPARE(Render(two).copy(inside.translated(0, line)), Render(one).copy(inside));
    }

    void captionInFontColourAndAlignment_data() {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(Qt::AlignLeft);
        QTest::newRow("centre") << int(Qt::AlignHCenter);
        QTest::newRow("right") << int(Qt::AlignRight);
    }
    void captionInFontColourAndAlignment() {
        QFETCH(int, alignment);
        TVESKSELabel label;
        label.SetAutoSize(false);
        label.SetFont(BigFont());
        label.SetCaption(QStringLiteral("IIII"));
        label.resize(200, 30);
        label.SetAlignment(Qt::Alignment(alignment));
        const auto [first, last] = TextColumns(Render(label));
        QVERIFY2(last >= 0, "no pixel of the text colour");
        const int leftGap = first, rightGap = 199 - last;
        if (alignment == Qt::AlignLeft)
            QVERIFY(leftGap < 10 && rightGap > 100);
        else if (alignment == Qt::AlignRight)
            QVERIFY(rightGap < 10 && leftGap > 100);
        else
            QVERIFY(qAbs(leftGap - rightGap) < 10);
    }

    void autoSizeFitsTheText_data() {
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<int>("alignment");
        QTest::newRow("left-aligned keeps the left edge") << true << int(Qt::AlignLeft);
        QTest::newRow("right-aligned keeps the right edge") << true << int(Qt::AlignRight);
        QTest::newRow("off: bounds stay") << false << int(Qt::AlignRight);
    }
    void autoSizeFitsTheText() {
        QFETCH(bool, autoSize);
        QFETCH(int, alignment);
        TVESKSELabel label;
        label.SetAutoSize(autoSize);
        label.SetAlignment(Qt::Alignment(alignment));
        label.setGeometry(100, 10, 300, 5);
        label.SetFont(BigFont());
        label.SetCaption(QStringLiteral("Title"));
        if (!autoSize) {
            QCOMPARE(label.geometry(), QRect(100, 10, 300, 5));
            return;
        }
        const QRect shortText = label.geometry();
        QCOMPARE(shortText.top(), 10);
        QVERIFY(shortText.height() >= 20 && shortText.width() > 20 && shortText.width() < 100);
        label.SetCaption(QStringLiteral("Title and artist"));
        const QRect longText = label.geometry();
        QVERIFY(longText.width() > shortText.width());
        if (alignment == Qt::AlignLeft)
            QCOMPARE(longText.left(), shortText.left());
        else
            QCOMPARE(longText.right(), shortText.right());
        // An empty caption still takes one line.
        label.SetCaption(QString());
        QCOMPARE(label.height(), shortText.height());
        QVERIFY(label.width() > 0);
    }
};

QX_REGISTER_TEST(LabelTest)
#include "LabelTest.moc"
