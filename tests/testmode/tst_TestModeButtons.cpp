#include <QTest>

#include "TestModeFixture.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"

using namespace TestModeTest;

// Hovering, pressing and toggling show exactly the state texture; leaving
// the test mode gives back the rest pixels, the selection and an untouched
// skin.
class TestModeButtons : public QObject {
    Q_OBJECT

private slots:
    void states_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("pointer"); // then: over, down or away
        QTest::addColumn<QString>("key");

        QTest::newRow("push, hover") << 0 << "PLAYBTN" << 0 << "over" << "PLAYBTN_SEL";
        QTest::newRow("push, pressed") << 0 << "PLAYBTN" << 0 << "down" << "PLAYBTN_DWN";
        QTest::newRow("push, clicked and left") << 0 << "PLAYBTN" << 1 << "away" << "PLAYBTN_NRM";
        QTest::newRow("close button") << 0 << "CloseBtn" << 0 << "down" << "CloseBtn_DWN";
        QTest::newRow("playlist tab button") << 0 << "AddBtn" << 0 << "over" << "AddBtn_SEL";
        QTest::newRow("toggle, hover") << 0 << "MUTEBTN" << 0 << "over" << "MUTEBTN_UCHS";
        QTest::newRow("toggle, pressed") << 0 << "MUTEBTN" << 0 << "down" << "MUTEBTN_UCHS";
        QTest::newRow("toggle, checked under pointer") << 0 << "MUTEBTN" << 1 << "over"
                                                       << "MUTEBTN_CHKS";
        QTest::newRow("toggle, checked") << 0 << "MUTEBTN" << 1 << "away" << "MUTEBTN_CHK";
        QTest::newRow("toggle, checked, pressed") << 0 << "MUTEBTN" << 1 << "down"
                                                  << "MUTEBTN_CHKS";
        QTest::newRow("toggle, twice") << 0 << "MUTEBTN" << 2 << "away" << "MUTEBTN_UCH";
        QTest::newRow("equalizer push") << 1 << "LIB" << 0 << "down" << "LIB_DWN";
        QTest::newRow("equalizer close keyed without _") << 1 << "CloseBtn_" << 0 << "over"
                                                         << "CloseBtn_SEL";
        QTest::newRow("equalizer toggle") << 1 << "EQSWITCH" << 1 << "away" << "EQSWITCH_CHK";
        QTest::newRow("tray push") << 2 << "trayplay" << 0 << "down" << "trayplay_DWN";
        QTest::newRow("tray toggle") << 2 << "traysot" << 1 << "over" << "traysot_CHKS";
    }

    void states() {
        QFETCH(int, page);
        QFETCH(QString, element);
        QFETCH(int, clicks);
        QFETCH(QString, pointer);
        QFETCH(QString, key);
        TTestWindow window(page);
        QWidget* button = window.Element(element);
        QVERIFY(button && button->isVisible());
        window.Click(element);
        QCOMPARE(SelectedElement.data(), button);
        const QStringList rows = window.Rows();
        const QImage rest = TTestWindow::Pixels(button);
        const QByteArray documents = window.Documents();
        const QPoint centre = button->rect().center();

        window.SetTestMode(true);
        QVERIFY(!SelectedElement);
        QVERIFY(!window.Form.ListView1->isEnabled());
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, centre);
        if (pointer == QLatin1String("down"))
            QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
        else
            window.PointAt(button, pointer == QLatin1String("over") ? centre : QPoint(-3, -3));
        const QImage texture = window.Texture(page, key);
        QVERIFY(!texture.isNull());
        QCOMPARE(TTestWindow::Pixels(button).copy(texture.rect()), texture);
        if (pointer == QLatin1String("down"))
            QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-3, -3));
        // Clicks in the test mode select nothing and edit nothing.
        QCOMPARE(window.Rows(), rows);

        window.SetTestMode(false);
        QCOMPARE(SelectedElement.data(), button);
        QCOMPARE(TTestWindow::Pixels(button), rest);
        QCOMPARE(window.Documents(), documents);
        QVERIFY(window.Form.ListView1->isEnabled());
    }

    // Opening, saving and other pages end the test mode before they render
    // or photograph the previews.
    void endsBeforeOtherWork() {
        TTestWindow window(0);
        window.SetTestMode(true);
        window.Form.PageControl1->setCurrentWidget(window.Form.TabSheet3);
        QVERIFY(!window.Form.InTestMode());
        QVERIFY(!window.Form.TestModeAction->isChecked());
        window.SetTestMode(true);
        QCOMPARE(window.Form.PageControl1->currentWidget(), window.Form.TabSheet1);
        QVERIFY(window.Form.InTestMode());
        window.Form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.Form));
        QTest::keyClick(&window.Form, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!window.Form.InTestMode());
    }
};

QX_REGISTER_TEST(TestModeButtons)
#include "tst_TestModeButtons.moc"
