#include <functional>
#include <limits>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "SelecterTestSupport.h"
#include "TestRegistry.h"
#include "tools/spLoupe.h"

namespace {

constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int IntMax = std::numeric_limits<int>::max();

void Type(QSpinBox* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TRectSelecter* ShownSelecter() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<TRectSelecter*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// Runs SelectRect; drive works the dialog while it is shown modally and is
// expected to close it. A driver that fails leaves it open, so it is
// cancelled afterwards rather than hanging the suite.
TRect RunSelectRect(TRect rect, bool locked, const std::function<void(TRectSelecter&)>& drive,
                    bool* confirmed = nullptr) {
    QTimer::singleShot(0, [&] {
        if (TRectSelecter* dialog = ShownSelecter()) {
            dialog->SetSheetZoom(1);
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (TRectSelecter* dialog = ShownSelecter())
            dialog->reject();
    });
    watchdog.start(10000);
    const bool done = SelectRect(TestImage(), rect, locked);
    if (confirmed)
        *confirmed = done;
    return rect;
}

void Drag(TRectSelecter& dialog, QPoint from, QPoint to) {
    auto* box = Child<QWidget>(dialog, "PBox");
    QTest::mousePress(box, Qt::LeftButton, {}, from);
    QTest::mouseMove(box, (from + to) / 2);
    QTest::mouseMove(box, to);
    QTest::mouseRelease(box, Qt::LeftButton, {}, to);
}

} // namespace

class TestRectSelecter : public QObject {
    Q_OBJECT

private slots:
    // First, while nothing has touched the program-wide zoom yet.
    void zoomCarriesOverToTheNextRun() {
        {
            TOpenSelecter run({}, false);
            auto* loupe = Child<TspLoupe>(run.Dialog, "spLoupe1");
            QCOMPARE(Edit(run.Dialog, "ZoomEdit")->value(), 2);
            QCOMPARE(loupe->ZoomLevel(), 2.0);
            QVERIFY(loupe->Active());
            Edit(run.Dialog, "ZoomEdit")->setValue(7);
            QCOMPARE(loupe->ZoomLevel(), 7.0);
            run.Dialog.reject();
            QVERIFY(!loupe->Active());
        }
        TOpenSelecter next({}, false);
        QCOMPARE(Edit(next.Dialog, "ZoomEdit")->value(), 7);
        QCOMPARE(Child<TspLoupe>(next.Dialog, "spLoupe1")->ZoomLevel(), 7.0);
        Edit(next.Dialog, "ZoomEdit")->setValue(2);
    }

    void dragSelects_data() {
        QTest::addColumn<TRect>("given");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<TRect>("corners");
        QTest::addColumn<TRect>("returned");
        QTest::newRow("left to right") << TRect{} << false << QPoint(10, 5) << QPoint(30, 20)
                                       << TRect{10, 5, 30, 20} << TRect{10, 5, 30, 20};
        QTest::newRow("right to left, bottom to top")
            << TRect{} << false << QPoint(40, 30) << QPoint(12, 6) << TRect{40, 30, 12, 6}
            << TRect{12, 6, 40, 30};
        QTest::newRow("beyond the image") << TRect{} << false << QPoint(10, 10) << QPoint(-5, 100)
                                          << TRect{10, 10, -5, 100} << TRect{-5, 10, 10, 100};
        QTest::newRow("locked size moves along")
            << TRect{5, 5, 15, 10} << true << QPoint(30, 20) << QPoint(33, 24)
            << TRect{33, 24, 43, 29} << TRect{33, 24, 43, 29};
        QTest::newRow("locked reversed keeps its size")
            << TRect{15, 10, 5, 5} << true << QPoint(30, 20) << QPoint(30, 20)
            << TRect{30, 20, 40, 25} << TRect{30, 20, 40, 25};
        QTest::newRow("locked empty is a point")
            << TRect{} << true << QPoint(7, 9) << QPoint(20, 21) << TRect{20, 21, 20, 21}
            << TRect{20, 21, 20, 21};
    }
    void dragSelects() {
        QFETCH(TRect, given);
        QFETCH(bool, locked);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(TRect, corners);
        QFETCH(TRect, returned);
        TRect shown;
        bool confirmed = false;
        const TRect result = RunSelectRect(
            given, locked,
            [&](TRectSelecter& dialog) {
                Drag(dialog, from, to);
                shown = Edits(dialog);
                QTest::mouseClick(Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
            },
            &confirmed);
        QCOMPARE(shown, corners);
        QCOMPARE(result, returned);
        QVERIFY(confirmed);
    }

    void closingWays_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<TRect>("returned");
        // Given 30,20,10,5; typed -7, 100000 and the ends of the int range,
        // which come back unclipped.
        const TRect typed{-7, IntMin, IntMax, 100000};
        QTest::newRow("Готово") << "OKBtn" << true << typed;
        QTest::newRow("Ctrl+Enter") << "ctrl+enter" << true << typed;
        QTest::newRow("Отмена") << "BitBtn2" << false << TRect{10, 5, 30, 20};
        QTest::newRow("Esc") << "esc" << false << TRect{10, 5, 30, 20};
    }
    void closingWays() {
        QFETCH(QString, way);
        QFETCH(bool, confirmed);
        QFETCH(TRect, returned);
        bool done = !confirmed;
        const TRect result = RunSelectRect(
            {30, 20, 10, 5}, false,
            [&](TRectSelecter& dialog) {
                // Shortcuts answer only in the active window, as on a desktop.
                dialog.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
                Type(Edit(dialog, "X1Edit"), "-7");
                Type(Edit(dialog, "Y1Edit"), "100000");
                Type(Edit(dialog, "X2Edit"), QString::number(IntMax));
                Type(Edit(dialog, "Y2Edit"), QString::number(IntMin));
                QCOMPARE(dialog.Current(), (TRect{-7, 100000, IntMax, IntMin}));
                // The keys must work from whichever control has the focus.
                QSpinBox* focus = Edit(dialog, "Y1Edit");
                focus->setFocus();
                if (way == "ctrl+enter")
                    QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
                else if (way == "esc")
                    QTest::keyClick(focus, Qt::Key_Escape);
                else
                    QTest::mouseClick(Child<QPushButton>(dialog, qPrintable(way)), Qt::LeftButton);
                QVERIFY(!dialog.isVisible());
            },
            &done);
        QCOMPARE(result, returned);
        QCOMPARE(done, confirmed);
    }

    void lockedSizeFollowsTypedCorner() {
        TOpenSelecter run({5, 5, 15, 10}, true);
        QVERIFY(!Edit(run.Dialog, "X2Edit")->isEnabled());
        QVERIFY(!Child<QToolButton>(run.Dialog, "SpeedButton2")->isEnabled());
        Type(Edit(run.Dialog, "X1Edit"), "20");
        Type(Edit(run.Dialog, "Y1Edit"), "-3");
        QCOMPARE(Edits(run.Dialog), (TRect{20, -3, 30, 2}));
        QCOMPARE(run.Dialog.Current(), (TRect{20, -3, 30, 2}));

        TOpenSelecter free({5, 5, 15, 10}, false);
        QVERIFY(Edit(free.Dialog, "X2Edit")->isEnabled());
        QVERIFY(Child<QToolButton>(free.Dialog, "SpeedButton2")->isEnabled());
    }

    void clearEmptiesTheRectangle() {
        TOpenSelecter run({4, 3, 40, 30}, false);
        const QImage withBand = Grab(run.Dialog);
        QTest::mouseClick(Child<QToolButton>(run.Dialog, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(Edits(run.Dialog), TRect{});
        QCOMPARE(run.Dialog.Current(), TRect{});
        QVERIFY(Grab(run.Dialog) != withBand);
        QCOMPARE(Grab(run.Dialog), TestImage().convertToFormat(QImage::Format_RGB32));
    }

    void markDrawnTwiceLeavesNoTrace_data() {
        QTest::addColumn<TRect>("band");
        QTest::addColumn<QPoint>("cross");
        QTest::addColumn<bool>("visible");
        const QPoint none(-1, -1);
        QTest::newRow("band") << TRect{3, 4, 20, 30} << none << true;
        QTest::newRow("band reversed") << TRect{20, 30, 3, 4} << none << true;
        QTest::newRow("band past the edges") << TRect{-10, 40, 100, 60} << none << true;
        QTest::newRow("band of the whole int range")
            << TRect{IntMin, IntMin, IntMax, IntMax} << none << false;
        QTest::newRow("band outside") << TRect{100, 100, 200, 200} << none << false;
        QTest::newRow("cross") << TRect{} << QPoint(17, 9) << true;
        QTest::newRow("cross on the far edges") << TRect{} << QPoint(63, 47) << true;
    }
    void markDrawnTwiceLeavesNoTrace() {
        QFETCH(TRect, band);
        QFETCH(QPoint, cross);
        QFETCH(bool, visible);
        TOpenSelecter run({}, false);
        const QImage before = Grab(run.Dialog);
        QCOMPARE(before, TestImage().convertToFormat(QImage::Format_RGB32));
        const auto draw = [&] {
            if (cross.x() >= 0)
                run.Dialog.InvertCrossHair(cross);
            else
                run.Dialog.InvertRubberBand(band);
        };
        draw();
        QCOMPARE(Grab(run.Dialog) != before, visible);
        if (cross.x() >= 0)
            QCOMPARE(Grab(run.Dialog).pixel(cross), before.pixel(cross));
        draw();
        QCOMPARE(Grab(run.Dialog), before);
    }

    // Mid-drag the picture holds exactly the band of the rectangle being
    // dragged: no cross-hair left behind, no band where the drag started.
    void dragShowsOnlyTheCurrentBand_data() {
        QTest::addColumn<bool>("locked");
        QTest::newRow("free") << false;
        QTest::newRow("locked") << true;
    }
    void dragShowsOnlyTheCurrentBand() {
        QFETCH(bool, locked);
        TOpenSelecter run({2, 2, 12, 8}, locked);
        auto* box = Child<QWidget>(run.Dialog, "PBox");
        QTest::mouseMove(box, QPoint(30, 20));
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(30, 20));
        QTest::mouseMove(box, QPoint(35, 26));
        QTest::mouseMove(box, QPoint(40, 30));

        TOpenSelecter expected(run.Dialog.Current(), locked);
        QCOMPARE(Grab(run.Dialog), Grab(expected.Dialog));

        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(40, 30));
        QTest::mouseMove(box, QPoint(5, 6));
        QCOMPARE(Child<QLabel>(run.Dialog, "LBX")->text(), QStringLiteral("X: 5"));
        QCOMPARE(Child<QLabel>(run.Dialog, "LbY")->text(), QStringLiteral("Y: 6"));
        QVERIFY(Grab(run.Dialog) != Grab(expected.Dialog));
        // Update repaints the picture: the cross-hair goes, the band stays.
        QTest::mouseClick(Child<QToolButton>(run.Dialog, "SpeedButton1"), Qt::LeftButton);
        QCOMPARE(Grab(run.Dialog), Grab(expected.Dialog));
    }

    void noImageDoesNotOpen() {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = true;
                dialog->close();
            }
        });
        TRect rect{9, 8, 1, 2};
        QVERIFY(!SelectRect(QImage(), rect, false));
        QCOMPARE(rect, (TRect{9, 8, 1, 2}));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }
};

QX_REGISTER_TEST(TestRectSelecter)
#include "RectSelecterTest.moc"
