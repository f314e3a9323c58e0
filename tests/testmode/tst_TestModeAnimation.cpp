#include <QTest>

#include "TestModeFixture.h"
#include "TestRegistry.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "editor/testmode/TestAnimation.h"
#include "editor/testmode/TestMode.h"

using namespace TestModeTest;

// The sample track on the displays: one timer while testing, the
// templates' lengths kept, the rest captions back afterwards.
class TestModeAnimation : public QObject {
    Q_OBJECT

private slots:
    void displays_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("caption");
        QTest::newRow("clock") << "Time" << 83500 << "-01:23";
        QTest::newRow("clock past an hour, minutes wrap") << "Time" << 3723000 << "-02:03";
        QTest::newRow("sleep timer counts down") << "SleepTime" << 61000 << "00:43:59";
        QTest::newRow("bit rate") << "BRINFO" << 5000 << "192";
        QTest::newRow("sample rate") << "SRINFO" << 0 << "44";
        QTest::newRow("mode glyphs") << "PLAYBACK" << 4000 << "2";
    }

    void displays() {
        QFETCH(QString, element);
        QFETCH(int, ms);
        QFETCH(QString, caption);
        TTestWindow window(0);
        auto* display = qobject_cast<TVESKNumLabel*>(window.Element(element));
        QVERIFY(display);
        const QString rest = display->Caption();
        const QImage spectrum = TTestWindow::Pixels(window.Element("SPECTRUM"));
        auto* title = qobject_cast<TVESKSELabel*>(window.Element("iTitle"));
        const QRect bounds = title->geometry();
        const QString restTitle = title->Caption();
        window.SetTestMode(true);
        TTestAnimation* animation = window.Form.TestMode()->Animation();
        QVERIFY(animation->IsTicking());
        animation->ShowFrame(ms);
        QCOMPARE(display->Caption(), caption);
        QVERIFY(TTestWindow::Pixels(window.Element("SPECTRUM")) != spectrum);
        // The long title runs through its label, which keeps its bounds.
        animation->ShowFrame(ms + TTestAnimation::kScrollStep);
        const QString moved = title->Caption();
        animation->ShowFrame(ms + 2 * TTestAnimation::kScrollStep);
        QVERIFY(title->Caption() != moved);
        QCOMPARE(title->Caption().mid(0, moved.size() - 1), moved.mid(1));
        QCOMPARE(title->geometry(), bounds);
        QVERIFY(!title->ShowsBounds());
        window.SetTestMode(false);
        QVERIFY(title->ShowsBounds());
        QCOMPARE(title->Caption(), restTitle);
        QCOMPARE(title->geometry(), bounds);
        QVERIFY(!animation->IsTicking());
        QCOMPARE(display->Caption(), rest);
        QCOMPARE(TTestWindow::Pixels(window.Element("SPECTRUM")), spectrum);
    }
};

QX_REGISTER_TEST(TestModeAnimation)
#include "tst_TestModeAnimation.moc"
