#include <functional>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "ControlsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"

using namespace ControlsTest;

namespace {

using Factory = std::function<QWidget*(QWidget*)>;

struct TCall {
    QString What;
    QWidget* Sender;
    Qt::MouseButton Button;
    Qt::KeyboardModifiers Shift;
    QPoint At;
};

// The pixels the window system shows for a widget of a shown window.
QImage OnScreen(QWidget& widget) {
    QWidget* window = widget.window();
    const QPoint at = widget.mapTo(window, QPoint());
    return QGuiApplication::primaryScreen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget.width(), widget.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage GlyphStrip() {
    QImage strip = Pattern(39, 4);
    strip.setPixel(1, 1, kMagenta);
    return strip;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class InteractionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SelectedElement = nullptr; }

    void mouseEventsReachTheBoundHandlers_data() {
        QTest::addColumn<Factory>("make");
        QTest::newRow("skin element") << Factory([](QWidget* p) { return new TVESKSESkin(p); });
        QTest::newRow("panel") << Factory([](QWidget* p) { return new TVESKSEPanel(p); });
        QTest::newRow("label") << Factory([](QWidget* p) { return new TVESKSELabel(p); });
        QTest::newRow("numeric display")
            << Factory([](QWidget* p) { return new TVESKSENumLabel(p); });
    }
    void mouseEventsReachTheBoundHandlers() {
        QFETCH(Factory, make);
        QWidget window;
        window.resize(100, 100);
        QWidget* control = make(&window);
        control->setGeometry(10, 20, 40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TElementControl* element = AsElementControl(control);
        QVERIFY(element);
        // Unbound, events go nowhere and harm nothing.
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));

        QList<TCall> calls;
        element->OnMouseDown = [&](QWidget* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                   int y) {
            calls << TCall{"down", s, b, m, {x, y}};
        };
        element->OnMouseMove = [&](QWidget* s, Qt::KeyboardModifiers m, int x, int y) {
            calls << TCall{"move", s, Qt::NoButton, m, {x, y}};
        };
        element->OnMouseUp = [&](QWidget* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                 int y) {
            calls << TCall{"up", s, b, m, {x, y}};
        };
        QTest::mousePress(control, Qt::LeftButton, Qt::AltModifier, QPoint(3, 4));
        QTest::mouseMove(control, QPoint(7, 9));
        QTest::mouseRelease(control, Qt::LeftButton, Qt::AltModifier, QPoint(8, 9));
        QTest::mousePress(control, Qt::RightButton, Qt::ShiftModifier, QPoint(1, 2));

        QCOMPARE(calls.size(), 4);
        const QStringList whats = {"down", "move", "up", "down"};
        const QList<QPoint> ats = {{3, 4}, {7, 9}, {8, 9}, {1, 2}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(calls[i].What, whats[i]);
            QCOMPARE(calls[i].Sender, control);
            QCOMPARE(calls[i].At, ats[i]);
        }
        QCOMPARE(calls[0].Button, Qt::LeftButton);
        QCOMPARE(calls[0].Shift, Qt::AltModifier);
        QCOMPARE(calls[2].Shift, Qt::AltModifier);
        QCOMPARE(calls[3].Button, Qt::RightButton);
        QCOMPARE(calls[3].Shift, Qt::ShiftModifier);
        QTest::mouseRelease(control, Qt::RightButton, Qt::NoModifier, QPoint(1, 2));
    }

    void rightClickOpensThePopupMenuAfterTheMouseDown() {
        QWidget window;
        window.resize(80, 80);
        auto* panel = new TVESKSEPanel(&window);
        panel->setGeometry(0, 0, 50, 50);
        QMenu menu;
        menu.addAction(QStringLiteral("Копировать параметры текстур"));
        panel->SetPopupMenu(&menu);
        bool selectedFirst = false;
        panel->OnMouseDown = [&](QWidget* sender, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                 int) {
            SelectedElement = sender;
            selectedFirst = !menu.isVisible();
        };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(panel, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        // The window system follows a right press with a context menu event.
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                panel->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(panel, &event);
        QVERIFY(selectedFirst);
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(SelectedElement.data(), panel);
        menu.close();
    }

    void nameAndTag() {
        TVESKSESkin button;
        button.SetName(QStringLiteral("PLAYBTN"));
        button.Tag = int(ElementKind::PushButton);
        QCOMPARE(button.objectName(), QStringLiteral("PLAYBTN"));
        QCOMPARE(button.accessibleName(), QStringLiteral("PLAYBTN"));
        QCOMPARE(button.property("Tag").toInt(), 2);
        QVERIFY(button.setProperty("Tag", int(ElementKind::Slider)));
        QCOMPARE(button.Kind(), ElementKind::Slider);
        QWidget plain;
        QVERIFY(!AsElementControl(&plain));
    }

    void renderedPanelEqualsTheScreen() {
        QWidget window;
        window.resize(120, 90);
        auto* panel = new TVESKSEPanel(&window);
        panel->setGeometry(7, 5, 100, 70);
        panel->SetImgBackGround(Pattern(90, 60));
        auto* button = new TVESKSESkin(panel);
        button->setGeometry(10, 10, 20, 10);
        button->SetImgBackGround(Pattern(14, 8));
        auto* bar = new TVESKSESkin(panel);
        bar->setGeometry(40, 0, 5, 70);
        bar->SetTiled(true);
        bar->SetImgAux1(Solid(5, 3, kMagenta));
        bar->SetImgBackGround(Pattern(5, 4));
        auto* label = new TVESKSELabel(panel);
        label->SetCaption(QStringLiteral("Title"));
        label->SetTransparent(true);
        label->setGeometry(50, 10, 40, 20);
        auto* display = new TVESKSENumLabel(panel);
        display->SetDefault(QStringLiteral("-00:00"));
        display->SetCaption(QStringLiteral("-12:34"));
        display->SetSkin(GlyphStrip());
        display->setGeometry(50, 40, 18, 4);
        panel->SetOffL(3);
        SelectedElement = display;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(OnScreen(*panel), Render(*panel));
        SelectedElement = panel;
        panel->update();
        display->update();
        QTRY_COMPARE(OnScreen(*panel), Render(*panel));
    }

    void settingTheTexturePaintsAtOnce() {
        QWidget window;
        window.resize(50, 50);
        auto* skin = new TVESKSESkin(&window);
        skin->setGeometry(0, 0, 20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        skin->SetImgBackGround(Solid(20, 20, kMagenta));
        // No event processing in between: the pixels are there already.
        QCOMPARE(OnScreen(*skin).pixel(10, 10), kMagenta);
    }
};

QX_REGISTER_TEST(InteractionTest)
#include "InteractionTest.moc"
