#include <QTest>
#include <QWidget>

#include "TestRegistry.h"
#include "controls/AlignContainer.h"
#include "controls/AlignLayout.h"
#include "controls/VESK_SE_Panel.h"

namespace {

QWidget* Child(QWidget* container, TAlign align, const QRect& bounds) {
    auto* child = new TVESKSEPanel(container);
    child->setGeometry(bounds);
    SetAlign(child, align);
    return child;
}

} // namespace

class AlignTest : public QObject {
    Q_OBJECT

private slots:
    void classicOrderOfTheSides() {
        // A plain container: aligning a child is enough to keep it laid out.
        QWidget container;
        container.resize(100, 80);
        QWidget* client = Child(&container, TAlign::Client, QRect(40, 40, 1, 1));
        QWidget* right = Child(&container, TAlign::Right, QRect(0, 0, 6, 1));
        QWidget* left = Child(&container, TAlign::Left, QRect(50, 50, 5, 1));
        QWidget* bottom = Child(&container, TAlign::Bottom, QRect(0, 0, 1, 12));
        QWidget* top = Child(&container, TAlign::Top, QRect(30, 30, 1, 10));
        QCOMPARE(top->geometry(), QRect(0, 0, 100, 10));
        QCOMPARE(bottom->geometry(), QRect(0, 68, 100, 12));
        QCOMPARE(left->geometry(), QRect(0, 10, 5, 58));
        QCOMPARE(right->geometry(), QRect(94, 10, 6, 58));
        QCOMPARE(client->geometry(), QRect(5, 10, 89, 58));
        // A change of the container's size carries through, through
        // SetBounds off screen and through any resize on screen.
        SetBounds(&container, QRect(0, 0, 120, 50));
        QCOMPARE(bottom->geometry(), QRect(0, 38, 120, 12));
        QCOMPARE(right->geometry(), QRect(114, 10, 6, 28));
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        container.resize(90, 70);
        QCOMPARE(bottom->geometry(), QRect(0, 58, 90, 12));
        QCOMPARE(client->geometry(), QRect(5, 10, 79, 48));
    }

    void barsSpanTheHeight_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("off screen") << false;
        QTest::newRow("on screen") << true;
    }
    void barsSpanTheHeight() {
        QFETCH(bool, shown);
        QWidget window;
        window.resize(200, 200);
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        auto* frame = new TVESKSEPanel(&window);
        frame->show();
        auto* leftbar = new TVESKSESkin(frame);
        leftbar->SetAlign(TAlign::Left);
        auto* rightbar = new TVESKSESkin(frame);
        rightbar->SetAlign(TAlign::Right);
        leftbar->show();
        rightbar->show();
        leftbar->SetBounds(0, 0, 6, 10);
        rightbar->SetBounds(0, 0, 7, 10);
        frame->SetBounds(0, 0, 50, 120);
        QCOMPARE(leftbar->geometry(), QRect(0, 0, 6, 120));
        QCOMPARE(rightbar->geometry(), QRect(43, 0, 7, 120));
    }

    void topPanelsStackByTheirCurrentTop() {
        TVESKSEPanel dock;
        dock.resize(50, 100);
        QWidget* a = Child(&dock, TAlign::Top, QRect(0, 40, 50, 10));
        QWidget* b = Child(&dock, TAlign::Top, QRect(0, 90, 50, 15));
        QWidget* c = Child(&dock, TAlign::Top, QRect(0, 5, 50, 20));
        // Each joins where its top stood when it was aligned: b below a,
        // c (top 5) between a (top 0) and b (top 10).
        QCOMPARE(a->y(), 0);
        QCOMPARE(c->y(), 10);
        QCOMPARE(b->y(), 30);
        // Moved below the others, a panel goes last.
        SetBounds(a, QRect(0, 35, 50, 10));
        QCOMPARE(c->y(), 0);
        QCOMPARE(b->y(), 20);
        QCOMPARE(a->y(), 35);
    }

    void settingTopToZeroMovesAPanelFirst_data() {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("throughSetBounds");
        QTest::newRow("off screen, SetBounds") << false << true;
        QTest::newRow("on screen, SetBounds") << true << true;
        QTest::newRow("on screen, move()") << true << false;
    }
    void settingTopToZeroMovesAPanelFirst() {
        QFETCH(bool, shown);
        QFETCH(bool, throughSetBounds);
        QWidget dock;
        dock.resize(50, 100);
        QWidget* header = Child(&dock, TAlign::Top, QRect(0, 0, 50, 10));
        QWidget* tabs = Child(&dock, TAlign::Top, QRect(0, 10, 50, 15));
        QWidget* controls = Child(&dock, TAlign::Bottom, QRect(0, 0, 50, 20));
        if (shown) {
            dock.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dock));
        }
        if (throughSetBounds)
            SetBounds(tabs, QRect(0, 0, 50, 15));
        else
            tabs->move(0, 0);
        QCOMPARE(tabs->geometry(), QRect(0, 0, 50, 15));
        QCOMPARE(header->geometry(), QRect(0, 15, 50, 10));
        QCOMPARE(controls->geometry(), QRect(0, 80, 50, 20));
        // Rendering or showing later keeps that order.
        dock.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dock));
        QCOMPARE(tabs->y(), 0);
        QCOMPARE(header->y(), 15);
    }

    void hiddenChildrenTakeNoRoom() {
        TVESKSEPanel tray;
        tray.resize(40, 100);
        QWidget* info = Child(&tray, TAlign::Top, QRect(0, 0, 40, 30));
        QWidget* second = Child(&tray, TAlign::Top, QRect(0, 30, 40, 10));
        QWidget* bottom = Child(&tray, TAlign::Bottom, QRect(0, 90, 40, 10));
        QWidget* left = Child(&tray, TAlign::Left, QRect(0, 40, 5, 10));
        info->hide();
        QCOMPARE(second->y(), 0);
        QCOMPARE(left->geometry(), QRect(0, 10, 5, 80));
        bottom->hide();
        QCOMPARE(left->geometry(), QRect(0, 10, 5, 90));
        // Shown again, a panel takes its place back: its top wins the tie.
        info->show();
        QCOMPARE(info->y(), 0);
        QCOMPARE(second->y(), 30);
    }

    void bottomPanelsStackUpwards() {
        QWidget dock;
        dock.resize(30, 100);
        QWidget* lower = Child(&dock, TAlign::Bottom, QRect(0, 95, 30, 8));
        QWidget* upper = Child(&dock, TAlign::Bottom, QRect(0, 50, 30, 12));
        QCOMPARE(lower->geometry(), QRect(0, 92, 30, 8));
        QCOMPARE(upper->geometry(), QRect(0, 80, 30, 12));
        SetBounds(lower, QRect(0, 0, 30, 20));
        QCOMPARE(lower->geometry(), QRect(0, 68, 30, 20));
        QCOMPARE(upper->geometry(), QRect(0, 88, 30, 12));
    }

    void reparentedChildLeavesItsRoom() {
        QWidget first, second;
        first.resize(40, 60);
        second.resize(40, 60);
        QWidget* moving = Child(&first, TAlign::Top, QRect(0, 0, 40, 20));
        QWidget* staying = Child(&first, TAlign::Top, QRect(0, 20, 40, 10));
        QWidget* resident = Child(&second, TAlign::Top, QRect(0, 0, 40, 5));
        moving->setParent(&second);
        moving->move(0, 100);
        QCOMPARE(staying->y(), 0);
        SetBounds(moving, QRect(0, 100, 40, 20));
        QCOMPARE(resident->y(), 0);
        QCOMPARE(moving->y(), 5);
        QVERIFY(TAlignContainer::Of(&second));
        // The helper is no widget: the container's widgets are the controls.
        QCOMPARE(second.findChildren<QWidget*>().size(), 2);
    }
};

QX_REGISTER_TEST(AlignTest)
#include "AlignTest.moc"
