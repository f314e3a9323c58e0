#include <limits>

#include <QPainter>
#include <QTest>

#include "ControlsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESK_SE_Panel.h"

using namespace ControlsTest;

namespace {

// The classic dash-dot (9 on, 6 off, 3 on, 6 off) as Qt lays it along the
// top edge of a 40-pixel-wide control.
const QString kTopEdge = QStringLiteral(".#########......###......#########......");

constexpr QRgb kRed = 0xFFFF0000, kYellow = 0xFFFFFF00;
const QRgb kCentre[] = {0xFF0000FF, 0xFF00FFFF, 0xFF808080};

// A bar's column as letters: caps R and Y, centre rows A, B, C, blank w.
QString BarColumn(const QImage& image, int x) {
    QString text;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        text += p == kRed         ? 'R'
                : p == kYellow    ? 'Y'
                : p == kWhite     ? 'w'
                : p == kCentre[0] ? 'A'
                : p == kCentre[1] ? 'B'
                : p == kCentre[2] ? 'C'
                                  : '?';
    }
    return text;
}

QImage Centre(int width) {
    QImage image(width, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, kCentre[y]);
    return image;
}

} // namespace

class SkinControlTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SelectedElement = nullptr; }

    void withoutTextureOnlyTheOutlineShows() {
        TVESKSESkin skin;
        skin.resize(40, 10);
        const QImage image = Render(skin);
        QCOMPARE(Row(image, 0), kTopEdge);
        // The pattern runs on around the corner and down the right edge.
        QCOMPARE(Column(image, 39), QStringLiteral(".###......"));
        for (int y = 1; y < 9; ++y)
            for (int x = 1; x < 39; ++x)
                QCOMPARE(image.pixel(x, y), kWhite);
    }

    void selectionFrameAndGuides_data() {
        QTest::addColumn<int>("offL");
        QTest::addColumn<int>("offR");
        QTest::addColumn<QList<int>>("greenColumns");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        // 20 wide: the frame is columns 0 and 19; the right guide stands one
        // pixel right of width - OffR.
        QTest::newRow("no offsets: left on the frame, right outside")
            << 0 << 0 << QList<int>{0, 19};
        QTest::newRow("border widths") << 3 << 4 << QList<int>{0, 3, 17, 19};
        QTest::newRow("right guide on the frame") << 5 << 2 << QList<int>{0, 5, 19};
        QTest::newRow("offsets beyond the control") << -7 << 30 << QList<int>{0, 19};
        QTest::newRow("extreme offsets") << kMax << kMin << QList<int>{0, 19};
    }
    void selectionFrameAndGuides() {
        QFETCH(int, offL);
        QFETCH(int, offR);
        QFETCH(QList<int>, greenColumns);
        TVESKSESkin skin;
        skin.resize(20, 8);
        skin.SetOffL(offL);
        skin.SetOffR(offR);
        skin.SetImgBackGround(Pattern(20, 8));
        QCOMPARE(Render(skin), Pattern(20, 8)); // guides only while selected
        SelectedElement = &skin;
        const QImage image = Render(skin);
        QCOMPARE(Row(image, 0), QString(20, 'g'));
        QCOMPARE(Row(image, 7), QString(20, 'g'));
        QString expected(20, '.');
        for (int x : greenColumns)
            expected[x] = 'g';
        for (int y = 1; y < 7; ++y)
            QCOMPARE(Row(image, y), expected);
    }

    void textureIsDrawnUnscaledAtTheOrigin_data() {
        QTest::addColumn<QSize>("texture");
        QTest::newRow("larger: clipped") << QSize(60, 30);
        QTest::newRow("smaller: outline around it") << QSize(25, 6);
        QTest::newRow("same size") << QSize(40, 10);
    }
    void textureIsDrawnUnscaledAtTheOrigin() {
        QFETCH(QSize, texture);
        TVESKSESkin skin;
        skin.resize(40, 10);
        skin.SetImgBackGround(Pattern(texture.width(), texture.height()));
        const QImage image = Render(skin);
        const QImage pattern = Pattern(texture.width(), texture.height());
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 40; ++x) {
                if (x < texture.width() && y < texture.height())
                    QCOMPARE(image.pixel(x, y), pattern.pixel(x, y));
                else if (y == 0)
                    QCOMPARE(Row(image, 0)[x], kTopEdge[x]);
                else if (x != 0 && x != 39 && y != 9)
                    QCOMPARE(image.pixel(x, y), kWhite);
            }
    }

    void tiledBar_data() {
        QTest::addColumn<int>("topRows");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<int>("bottomRows");
        QTest::addColumn<QString>("column");
        // Tiles run from the top row under the cap, as the player draws.
        QTest::newRow("caps and centre") << 2 << true << 1 << "RRCABCABCABY";
        QTest::newRow("no caps: the centre repeats") << 0 << true << 0 << "ABCABCABCABC";
        QTest::newRow("no top cap") << 0 << true << 2 << "ABCABCABCAYY";
        QTest::newRow("no centre: caps only") << 2 << false << 1 << "RRwwwwwwwwwY";
        QTest::newRow("nothing at all: blank") << 0 << false << 0 << "wwwwwwwwwwww";
    }
    void tiledBar() {
        QFETCH(int, topRows);
        QFETCH(bool, centre);
        QFETCH(int, bottomRows);
        QFETCH(QString, column);
        TVESKSESkin bar;
        bar.resize(4, 12);
        bar.SetTiled(true);
        if (topRows > 0)
            bar.SetImgAux1(Solid(4, topRows, kRed));
        if (bottomRows > 0)
            bar.SetImgAux2(Solid(4, bottomRows, kYellow));
        if (centre)
            bar.SetImgBackGround(Centre(4));
        const QImage image = Render(bar);
        for (int x = 0; x < 4; ++x)
            QCOMPARE(BarColumn(image, x), column);
    }

    void onlyTheSelectedControlIsFramed_data() {
        QTest::addColumn<int>("selected"); // 0 panel, 1 and 2 the children
        QTest::newRow("panel") << 0;
        QTest::newRow("first child") << 1;
        QTest::newRow("second child") << 2;
    }
    void onlyTheSelectedControlIsFramed() {
        QFETCH(int, selected);
        TVESKSEPanel panel;
        panel.resize(60, 30);
        panel.SetImgBackGround(Solid(60, 30, kRed));
        TVESKSESkin first(&panel), second(&panel);
        first.setGeometry(5, 5, 10, 10);
        second.setGeometry(30, 5, 10, 10);
        const QList<QWidget*> controls = {&panel, &first, &second};
        SelectedElement = controls[selected];
        const QImage image = Render(panel);
        // Each control's bottom left corner, in the panel's coordinates.
        const QList<QPoint> corners = {QPoint(0, 29), first.geometry().bottomLeft(),
                                       second.geometry().bottomLeft()};
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(image.pixel(corners[i]) == kGreen, i == selected);
    }

    void texturesAreCopies() {
        QImage source = Solid(8, 8, kRed);
        TVESKSESkin skin;
        skin.resize(8, 8);
        skin.SetImgBackGround(source);
        source.setPixel(3, 3, kYellow);
        QPainter(&source).fillRect(0, 0, 8, 8, Qt::blue);
        QCOMPARE(Render(skin).pixel(3, 3), kRed);
        QCOMPARE(skin.ImgBackGround().pixel(3, 3), kRed);
    }
};

QX_REGISTER_TEST(SkinControlTest)
#include "SkinControlTest.moc"
