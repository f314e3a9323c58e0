#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>

#include "SelecterTestSupport.h"
#include "TestRegistry.h"

namespace {

// On magenta: an L-shaped sprite (5,4)-(17,12), one of one-pixel diagonal
// strokes (30,5)-(33,8), and one of a nearly magenta colour running off the
// sheet's corner (50,30)-(64,48).
QImage SpriteSheet() {
    QImage sheet(64, 48, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 0, 255));
    {
        QPainter painter(&sheet);
        painter.fillRect(QRect(5, 4, 4, 8), QColor(200, 40, 40));
        painter.fillRect(QRect(5, 9, 12, 3), QColor(40, 200, 40));
        painter.fillRect(QRect(50, 30, 14, 18), QColor(255, 0, 254));
    }
    for (int i = 0; i < 3; ++i)
        sheet.setPixel(30 + i, 5 + i, qRgb(10, 10, 10));
    return sheet;
}

void Send(QWidget* box, QEvent::Type type, const QPoint& at, Qt::KeyboardModifiers keys = {}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, box->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(box, &event);
}

void Drag(QWidget* box, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers keys = {}) {
    Send(box, QEvent::MouseButtonPress, from, keys);
    Send(box, QEvent::MouseMove, (from + to) / 2, keys);
    Send(box, QEvent::MouseMove, to, keys);
    Send(box, QEvent::MouseButtonRelease, to, keys);
}

void Wheel(QWidget* box, const QPoint& at, int notches, Qt::KeyboardModifiers keys) {
    QWheelEvent event(at, box->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                      keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &event);
}

QString Size(const TRect& r) {
    return QStringLiteral("%1 × %2")
        .arg(std::abs(r.Right - r.Left))
        .arg(std::abs(r.Bottom - r.Top));
}

} // namespace

class TestSpriteSheet : public QObject {
    Q_OBJECT

private slots:
    // What an action of the user leaves in the corner edits and the size
    // read-out. Actions: "dclick X,Y" on a sheet pixel, "drag X,Y X,Y" in
    // view pixels, "key NAME"; a leading "+" holds Shift.
    void editsAfter_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<TRect>("given");
        QTest::addColumn<QString>("action");
        QTest::addColumn<TRect>("edits");
        const auto row = [](const char* name, int zoom, bool locked, TRect given,
                            const char* action, TRect edits) {
            QTest::newRow(name) << zoom << locked << given << QString::fromLatin1(action) << edits;
        };
        const TRect none, square{20, 20, 40, 40}, small{10, 10, 20, 16};
        // The sprite under a double click; on key colour it is a press.
        row("pick: L shape", 1, false, none, "dclick 6,10", {5, 4, 17, 12});
        row("pick: L shape at 8x", 8, false, none, "dclick 16,11", {5, 4, 17, 12});
        row("pick: diagonal strokes", 1, false, none, "dclick 31,6", {30, 5, 33, 8});
        row("pick: nearly magenta, off the corner", 4, false, none, "dclick 63,47",
            {50, 30, 64, 48});
        row("pick: key colour", 1, false, {1, 1, 9, 9}, "dclick 40,20", {40, 20, 40, 20});
        row("pick: locked moves onto it", 1, true, {0, 0, 4, 3}, "dclick 6,10", {5, 4, 9, 7});
        // Dragged corners snap to borders within three screen pixels.
        row("snap: 1x", 1, false, none, "drag 3,2 19,14", {5, 4, 17, 12});
        row("snap: Shift", 1, false, none, "+drag 3,2 19,14", {3, 2, 19, 14});
        row("snap: 8x, three pixels", 8, false, none, "drag 38,30 139,99", {5, 4, 17, 12});
        row("snap: 8x, four are too far", 8, false, none, "drag 36,28 148,108", {4, 3, 18, 13});
        row("snap: locked, the near side", 1, true, {0, 0, 6, 4}, "drag 30,30 48,35",
            {50, 35, 56, 39});
        row("snap: locked, Shift", 1, true, {0, 0, 6, 4}, "+drag 30,30 48,35", {48, 35, 54, 39});
        // A handle moves its own edges only.
        row("handle: right edge", 1, false, square, "drag 41,30 45,33", {20, 20, 44, 40});
        row("handle: top left corner", 1, false, square, "drag 18,18 20,19", {22, 21, 40, 40});
        row("handle: reversed, X1 is the right", 1, false, {40, 40, 20, 20}, "drag 41,30 46,30",
            {45, 40, 20, 20});
        row("handle: 4x, whole pixels", 4, false, square, "drag 161,120 170,120", {20, 20, 42, 40});
        row("handle: snaps", 1, false, {40, 32, 46, 40}, "drag 47,36 50,36", {40, 32, 50, 40});
        // Arrows move, Shift+arrows resize a free rectangle.
        row("key: Right", 1, false, small, "key Right", {11, 10, 21, 16});
        row("key: Shift+Up", 1, false, small, "+key Up", {10, 10, 20, 15});
        row("key: locked Left", 1, true, small, "key Left", {9, 10, 19, 16});
        row("key: locked Shift+Down", 1, true, small, "+key Down", {10, 10, 20, 16});
    }
    void editsAfter() {
        QFETCH(int, zoom);
        QFETCH(bool, locked);
        QFETCH(TRect, given);
        QFETCH(QString, action);
        QFETCH(TRect, edits);
        TOpenSelecter run(given, locked, SpriteSheet(), zoom);
        const Qt::KeyboardModifiers keys =
            action.startsWith(u'+') ? Qt::ShiftModifier : Qt::NoModifier;
        const QStringList words = action.mid(keys ? 1 : 0).split(u' ');
        const auto point = [](const QString& text) {
            return QPoint(text.section(u',', 0, 0).toInt(), text.section(u',', 1, 1).toInt());
        };
        if (words[0] == "dclick") {
            const QPoint at = point(words[1]) * zoom + QPoint(zoom - 1, zoom - 1);
            for (const QEvent::Type type :
                 {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                  QEvent::MouseButtonRelease})
                Send(run.Box(), type, at, keys);
        } else if (words[0] == "drag") {
            Drag(run.Box(), point(words[1]), point(words[2]), keys);
        } else {
            run.Box()->setFocus();
            QTest::keyClick(run.Box(), QKeySequence(words[1])[0].key(), keys);
        }
        QCOMPARE(Edits(run.Dialog), edits);
        QCOMPARE(run.Dialog.Current(), edits);
        QCOMPARE(Child<QLabel>(run.Dialog, "SizeLabel")->text(), Size(edits));
    }

    // Whichever point of an enlarged pixel the mouse is on, it is that pixel.
    void zoomKeepsCoordinatesExact_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("grid");
        for (const int zoom : {1, 3, 4, 8, 16})
            QTest::addRow("%dx", zoom) << zoom << (zoom >= 4);
    }
    void zoomKeepsCoordinatesExact() {
        QFETCH(int, zoom);
        QFETCH(bool, grid);
        TOpenSelecter run({}, false, TestImage(), zoom);
        const auto at = [zoom](int x, int y) {
            return QPoint(x, y) * zoom + QPoint(zoom - 1, zoom - 1);
        };
        Send(run.Box(), QEvent::MouseMove, at(7, 5));
        QCOMPARE(Child<QLabel>(run.Dialog, "LBX")->text(), QStringLiteral("X: 7"));
        QCOMPARE(Child<QLabel>(run.Dialog, "LbY")->text(), QStringLiteral("Y: 5"));
        Drag(run.Box(), at(7, 5), at(20, 13));
        QCOMPARE(Edits(run.Dialog), (TRect{7, 5, 20, 13}));

        const QImage shown = Grab(run.Dialog);
        const QRgb pixel = TestImage().pixel(40, 30);
        QCOMPARE(shown.pixel(at(40, 30)), pixel);
        QCOMPARE(shown.pixel(QPoint(40, 30) * zoom + QPoint(0, zoom - 1)) == pixel, !grid);
    }

    // The grid shows on a sheet of any one colour.
    void gridShowsOnEveryColour_data() {
        QTest::addColumn<QRgb>("colour");
        for (const QRgb colour : {0xFF000000u, 0xFFFFFFFFu, 0xFF808080u, 0xFF7F7F7Fu, 0xFFFF00FFu})
            QTest::addRow("%06x", colour & 0xFFFFFF) << colour;
    }
    void gridShowsOnEveryColour() {
        QFETCH(QRgb, colour);
        QImage sheet(64, 48, QImage::Format_RGB32);
        sheet.fill(colour);
        TOpenSelecter run({}, false, sheet, 8);
        const QImage shown = Grab(run.Dialog);
        QCOMPARE(shown.pixel(8 * 10 + 4, 8 * 10 + 4), colour);
        QVERIFY(shown.pixel(8 * 10, 8 * 10 + 4) != colour);
    }

    // Ctrl+wheel steps the zoom around the mouse: where the sheet is still
    // smaller than the view it cannot scroll there, so steps in a row keep
    // aiming at the pixel the first one was under.
    void wheelAndKeysStepTheZoom() {
        TOpenSelecter run({}, false, TestImage(256, 256), 1);
        QWidget* box = run.Box();
        QWidget* viewport = Child<QScrollArea>(run.Dialog, "ScrollBox1")->viewport();
        const QPoint pixel = box->mapFrom(viewport, QPoint(40, 30));
        for (int step = 0; step < 3; ++step)
            Wheel(box, box->mapFrom(viewport, QPoint(40, 30)), 1, Qt::ControlModifier);
        const QPoint under = box->mapFrom(viewport, QPoint(40, 30));
        QCOMPARE(QPoint(under.x() / 4, under.y() / 4), pixel);
        // No further than 16x; the wheel alone scrolls; - and + step too.
        for (const auto& [notches, keys, zoom] : {std::tuple(3, Qt::ControlModifier, 12),
                                                  {3, Qt::ControlModifier, 16},
                                                  {-1, Qt::ControlModifier, 12},
                                                  {1, Qt::NoModifier, 12}}) {
            Wheel(box, under, notches, keys);
            QCOMPARE(run.Dialog.SheetZoom(), zoom);
        }
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Minus);
        QTest::keyClick(box, Qt::Key_Minus);
        QTest::keyClick(box, Qt::Key_Plus);
        QCOMPARE(run.Dialog.SheetZoom(), 8);

        TRectSelecter next;
        next.Prepare(TestImage(), {}, false);
        QCOMPARE(next.SheetZoom(), 8);
        next.SetSheetZoom(1);
    }
};

QX_REGISTER_TEST(TestSpriteSheet)
#include "SpriteSheetTest.moc"
