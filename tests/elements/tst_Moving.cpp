#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "ElementsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"

using namespace ElementsTest;

namespace {

QWidget* PreviewPage(TForm& f, int page) {
    QWidget* pages[] = {f.Form.TabSheet6, f.Form.TabSheet7, f.Form.TabSheet5};
    return pages[page];
}

} // namespace

class TestMoving : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void cleanup() { SelectedElement = nullptr; }

    // Where the desktop takes Alt-drag: the middle button, or the left one
    // in move mode, moves exactly as Alt-drag does, clamping included.
    void otherDragsEqualAltDrag_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<bool>("moveMode");
        QTest::newRow("middle button") << 0 << "PLAYBTN" << QPoint(3, 2) << false;
        QTest::newRow("middle button, label") << 0 << "iGenre" << QPoint(-2, 1) << false;
        QTest::newRow("middle button past the edge") << 0 << "SeekBar" << QPoint(5000, 0) << false;
        QTest::newRow("middle button, equalizer") << 1 << "VESKSlider3" << QPoint(0, 5000) << false;
        QTest::newRow("move mode") << 0 << "PLAYBTN" << QPoint(-4, 3) << true;
        QTest::newRow("move mode, tray") << 2 << "trayplay" << QPoint(-5000, 0) << true;
    }
    void otherDragsEqualAltDrag() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QPoint, by);
        QFETCH(bool, moveMode);
        TForm alt(page);
        AltDrag(alt.Element(name), by);

        TForm other(page);
        const QString status = other.Form.StatusText->text();
        other.Form.MoveModeButton->setChecked(moveMode);
        DragElement(other.Element(name), by, moveMode ? Qt::LeftButton : Qt::MiddleButton,
                    Qt::NoModifier);
        QCOMPARE(other.Element(name)->geometry(), alt.Element(name)->geometry());
        QVERIFY(other.Element(name)->geometry() != TForm(page).Element(name)->geometry());
        QCOMPARE(other.Form.SpinEdit1->value(), alt.Form.SpinEdit1->value());
        QCOMPARE(other.Form.SpinEdit2->value(), alt.Form.SpinEdit2->value());
        QCOMPARE(other.Documents(), alt.Documents());
        QCOMPARE(other.Form.StatusText->text(), status);
        // The move mode's hint names the ways that need no mode.
        for (const char* way : {"средней кнопкой", "Alt", "стрелки", "Shift+стрелки"})
            QVERIFY2(other.Form.MoveModeButton->toolTip().contains(QString::fromUtf8(way)), way);
    }

    // Arrows move by 1, Shift+arrows by 10, clamped as Alt-drag is, and the
    // place is stored as a typed position is.
    void arrowsNudgeTheSelectedElement_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("startLeft"); // -1: where the skin puts it
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("Right") << 0 << "PLAYBTN" << int(Qt::Key_Right) << false << -1
                               << QPoint(1, 0);
        QTest::newRow("Shift+Down")
            << 0 << "PLAYBTN" << int(Qt::Key_Down) << true << -1 << QPoint(0, 10);
        QTest::newRow("Shift+Left stops at the edge")
            << 0 << "PLAYBTN" << int(Qt::Key_Left) << true << 4 << QPoint(-4, 0);
        QTest::newRow("label") << 0 << "iGenre" << int(Qt::Key_Left) << false << -1
                               << QPoint(-1, 0);
        QTest::newRow("equalizer slider")
            << 1 << "VESKSlider3" << int(Qt::Key_Right) << true << -1 << QPoint(10, 0);
        QTest::newRow("tray button")
            << 2 << "trayplay" << int(Qt::Key_Down) << false << -1 << QPoint(0, 1);
        QTest::newRow("the face does not move")
            << 0 << "Main" << int(Qt::Key_Right) << false << -1 << QPoint();
    }
    void arrowsNudgeTheSelectedElement() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(int, startLeft);
        QFETCH(QPoint, moved);
        TForm f(page);
        QWidget* element = f.Element(name);
        if (startLeft >= 0)
            ::SetBounds(element, QRect(QPoint(startLeft, element->y()), element->size()));
        // Focus follows clicks only in the active window, as on a desktop.
        f.Form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.Form));
        f.Click(name);
        QCOMPARE(QApplication::focusWidget(), PreviewPage(f, page));
        const QRect before = element->geometry();
        const QByteArray documents = f.Documents();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(element->geometry(), before.translated(moved));
        if (moved.isNull()) {
            QCOMPARE(f.Documents(), documents);
            return;
        }
        QCOMPARE(f.Form.SpinEdit1->value(), element->x());
        QCOMPARE(f.Form.SpinEdit2->value(), element->y());
        QCOMPARE(f.Form.PageDocument(page)->ReadRect(QStringLiteral("SKIN_OBJS"), name, TRect()),
                 TRect::FromQRect(element->geometry()));
    }
};

QX_REGISTER_TEST(TestMoving)
#include "tst_Moving.moc"
