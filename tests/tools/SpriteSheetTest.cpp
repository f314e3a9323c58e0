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
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
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
    return QStringLiteral("%1 × %2").arg(std::abs(r.Right - r.Left)).arg(std::abs(r.Bottom - r.Top));
}

} // namespace

class TestSpriteSheet : public QObject {
    Q_OBJECT

private slots:
    void doubleClickPicksTheSprite_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<TRect>("given");
        QTest::addColumn<TRect>("picked");
        QTest::newRow("L shape") << 1 << QPoint(6, 10) << false << TRect{} << TRect{5, 4, 17, 12};
        QTest::newRow("L shape at 8x") << 8 << QPoint(16, 11) << false << TRect{}
                                       << TRect{5, 4, 17, 12};
        QTest::newRow("diagonal strokes") << 1 << QPoint(31, 6) << false << TRect{}
                                          << TRect{30, 5, 33, 8};
        QTest::newRow("nearly magenta, off the corner")
            << 4 << QPoint(63, 47) << false << TRect{} << TRect{50, 30, 64, 48};
        QTest::newRow("key colour: a press") << 1 << QPoint(40, 20) << false << TRect{1, 1, 9, 9}
                                             << TRect{40, 20, 40, 20};
        QTest::newRow("locked: moved onto the sprite")
            << 1 << QPoint(6, 10) << true << TRect{0, 0, 4, 3} << TRect{5, 4, 9, 7};
    }
    void doubleClickPicksTheSprite() {
        QFETCH(int, zoom);
        QFETCH(QPoint, pixel);
        QFETCH(bool, locked);
        QFETCH(TRect, given);
        QFETCH(TRect, picked);
        TOpenSelecter run(given, locked, SpriteSheet(), zoom);
        const QPoint at = pixel * zoom + QPoint(zoom - 1, zoom - 1);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            Send(run.Box(), type, at);
        QCOMPARE(Edits(run.Dialog), picked);
        QCOMPARE(run.Dialog.Current(), picked);
    }

    void dragSnapsToKeyBorders_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<TRect>("edits");
        QTest::newRow("1x: both corners onto the L")
            << 1 << false << QPoint(3, 2) << QPoint(19, 14) << false << TRect{5, 4, 17, 12};
        QTest::newRow("1x, Shift: where the mouse is")
            << 1 << false << QPoint(3, 2) << QPoint(19, 14) << true << TRect{3, 2, 19, 14};
        QTest::newRow("8x: three screen pixels reach")
            << 8 << false << QPoint(38, 30) << QPoint(139, 99) << false << TRect{5, 4, 17, 12};
        QTest::newRow("8x: four are too far")
            << 8 << false << QPoint(36, 28) << QPoint(148, 108) << false << TRect{4, 3, 18, 13};
        QTest::newRow("locked: the near side lands")
            << 1 << true << QPoint(30, 30) << QPoint(48, 35) << false << TRect{50, 35, 56, 39};
        QTest::newRow("locked, Shift")
            << 1 << true << QPoint(30, 30) << QPoint(48, 35) << true << TRect{48, 35, 54, 39};
    }
    void dragSnapsToKeyBorders() {
        QFETCH(int, zoom);
        QFETCH(bool, locked);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, shift);
        QFETCH(TRect, edits);
        TOpenSelecter run(locked ? TRect{0, 0, 6, 4} : TRect{}, locked, SpriteSheet(), zoom);
        Drag(run.Box(), from, to, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(Edits(run.Dialog), edits);
        QCOMPARE(Child<QLabel>(run.Dialog, "SizeLabel")->text(), Size(edits));
    }

    void handleDragMovesOnlyItsEdges_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<TRect>("given");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<TRect>("edits");
        const TRect given{10, 10, 30, 26};
        QTest::newRow("right edge") << 1 << given << QPoint(31, 18) << QPoint(5, 3)
                                    << TRect{10, 10, 35, 26};
        QTest::newRow("left edge") << 1 << given << QPoint(8, 18) << QPoint(-3, 4)
                                   << TRect{7, 10, 30, 26};
        QTest::newRow("bottom edge") << 1 << given << QPoint(20, 27) << QPoint(2, 4)
                                     << TRect{10, 10, 30, 30};
        QTest::newRow("top left corner") << 1 << given << QPoint(8, 8) << QPoint(2, 1)
                                         << TRect{12, 11, 30, 26};
        QTest::newRow("reversed: its right side is X1")
            << 1 << TRect{30, 26, 10, 10} << QPoint(31, 18) << QPoint(5, 0)
            << TRect{35, 26, 10, 10};
        QTest::newRow("4x: whole pixels") << 4 << given << QPoint(121, 72) << QPoint(9, 0)
                                          << TRect{10, 10, 32, 26};
    }
    void handleDragMovesOnlyItsEdges() {
        QFETCH(int, zoom);
        QFETCH(TRect, given);
        QFETCH(QPoint, from);
        QFETCH(QPoint, by);
        QFETCH(TRect, edits);
        TOpenSelecter run(given, false, TestImage(), zoom);
        Drag(run.Box(), from, from + by);
        QCOMPARE(Edits(run.Dialog), edits);
        QCOMPARE(run.Dialog.Current(), edits);
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
        const auto at = [zoom](int x, int y) { return QPoint(x, y) * zoom + QPoint(zoom - 1, zoom - 1); };
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

    // Where the sheet is smaller than the view it cannot scroll: steps in a
    // row keep aiming at the pixel the first one was under.
    void zoomAimsAtThePixelUnderTheMouse_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("mouse");
        QTest::addColumn<int>("steps");
        QTest::newRow("scrolling from the first step") << 512 << 2 << QPoint(200, 100) << 5;
        QTest::newRow("fitting the view at first") << 256 << 1 << QPoint(40, 30) << 3;
    }
    void zoomAimsAtThePixelUnderTheMouse() {
        QFETCH(int, side);
        QFETCH(int, zoom);
        QFETCH(QPoint, mouse);
        QFETCH(int, steps);
        TOpenSelecter run({}, false, TestImage(side, side), zoom);
        QWidget* box = run.Box();
        QWidget* viewport = Child<QScrollArea>(run.Dialog, "ScrollBox1")->viewport();
        QVERIFY(viewport->rect().contains(mouse));
        const QPoint pixel = box->mapFrom(viewport, mouse) / zoom;
        for (int i = 0; i < steps; ++i)
            Wheel(box, box->mapFrom(viewport, mouse), 1, Qt::ControlModifier);
        const QPoint under = box->mapFrom(viewport, mouse);
        QCOMPARE(QPoint(under.x() / run.Dialog.SheetZoom(), under.y() / run.Dialog.SheetZoom()), pixel);
    }

    void wheelAndKeysStepTheZoom() {
        TOpenSelecter run({}, false, TestImage(512, 512), 2);
        QWidget* box = run.Box();
        const QPoint mouse(200, 100);
        for (const int zoom : {3, 4, 6, 8, 12, 16, 16}) {
            Wheel(box, mouse, 1, Qt::ControlModifier);
            QCOMPARE(run.Dialog.SheetZoom(), zoom);
        }
        Wheel(box, mouse, -1, Qt::ControlModifier);
        QCOMPARE(run.Dialog.SheetZoom(), 12);
        Wheel(box, mouse, 1, Qt::NoModifier);
        QCOMPARE(run.Dialog.SheetZoom(), 12);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Minus);
        QCOMPARE(run.Dialog.SheetZoom(), 8);
        QTest::keyClick(box, Qt::Key_Plus);
        QCOMPARE(run.Dialog.SheetZoom(), 12);

        TRectSelecter next;
        next.Prepare(TestImage(), {}, false);
        QCOMPARE(next.SheetZoom(), 12);
        next.SetSheetZoom(1);
    }

    void arrowKeysMoveAndResize_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<TRect>("edits");
        QTest::newRow("Right") << int(Qt::Key_Right) << false << false << TRect{11, 10, 21, 16};
        QTest::newRow("Up") << int(Qt::Key_Up) << false << false << TRect{10, 9, 20, 15};
        QTest::newRow("Shift+Right grows") << int(Qt::Key_Right) << true << false
                                           << TRect{10, 10, 21, 16};
        QTest::newRow("Shift+Up shrinks") << int(Qt::Key_Up) << true << false
                                          << TRect{10, 10, 20, 15};
        QTest::newRow("locked, Left") << int(Qt::Key_Left) << false << true << TRect{9, 10, 19, 16};
        QTest::newRow("locked, Shift+Down") << int(Qt::Key_Down) << true << true
                                            << TRect{10, 10, 20, 16};
    }
    void arrowKeysMoveAndResize() {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, locked);
        QFETCH(TRect, edits);
        TOpenSelecter run({10, 10, 20, 16}, locked);
        run.Box()->setFocus();
        QTest::keyClick(run.Box(), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(Edits(run.Dialog), edits);
        QCOMPARE(run.Dialog.Current(), edits);
    }
};

QX_REGISTER_TEST(TestSpriteSheet)
#include "SpriteSheetTest.moc"
