#include <QScrollBar>
#include <QTest>

#include "TestModeFixture.h"
#include "TestRegistry.h"
#include "controls/PlainPanel.h"
#include "editor/testmode/MaskLooks.h"
#include "editor/testmode/PlaylistLooks.h"
#include "editor/testmode/SchemeLooks.h"
#include "text/SkinProject.h"

using namespace TestModeTest;

// What the main window shows beyond its elements while testing: the
// dock's sample tracks in the document's colours, the window cut by its
// mask, the chosen colour scheme; and all of it gone afterwards.
class TestModeLooks : public QObject {
    Q_OBJECT

private slots:
    void playlistRows_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("ground");
        QTest::newRow("normal row on the list's background")
            << QStringList{"SKIN_FONTS|PLSBK|255"} << 0 << QColor(255, 0, 0);
        QTest::newRow("last normal row") << QStringList{"SKIN_FONTS|PLSBK|65535"} << 3
                                         << QColor(255, 255, 0);
        QTest::newRow("playing row") << QStringList{"SKIN_FONTS|PLSPlay|16711680"} << kPlayingRow
                                     << QColor(0, 0, 255);
        QTest::newRow("selected row") << QStringList{"SKIN_FONTS|PLSActive|65280"}
                                      << kSelectedRow << QColor(0, 255, 0);
        QTest::newRow("no frame: rows from the top")
            << QStringList{"SKIN_RECTS|PLSTOP|0,0,0,0", "SKIN_RECTS|PLSLEFT|0,0,0,0",
                           "SKIN_FONTS|PLSActive|255"}
            << kSelectedRow << QColor(255, 0, 0);
    }

    void playlistRows() {
        QFETCH(QStringList, values);
        QFETCH(int, row);
        QFETCH(QColor, ground);
        TTestWindow window(0, values);
        TPlainPanel* dock = window.Form.Previews().PlaylistMan();
        QVERIFY(dock && dock->isVisible());
        const QImage rest = TTestWindow::Pixels(dock);
        const QByteArray documents = window.Documents();
        const QRect free = dock->FreeArea();
        const TPlaylistLayout layout =
            PlaylistLayout(free.size(), window.Document(0), *window.Form.PageBitmap(0));
        QVERIFY(layout.RowCount > kSelectedRow + 1);
        if (values.first().contains(QLatin1String("PLSTOP")))
            QCOMPARE(layout.Rows.topLeft(), QPoint(0, 0));

        window.SetTestMode(true);
        const QImage shown = TTestWindow::Pixels(dock);
        const QPoint at = free.topLeft() + layout.Rows.topLeft() +
                          QPoint(0, row * layout.RowHeight + layout.RowHeight / 2);
        QCOMPARE(shown.pixelColor(at), ground);
        // The scroll bar stands at the list's right, inside the frame.
        const QImage up = window.Texture(0, QStringLiteral("SCROLLUP_NRM"));
        QCOMPARE(shown.copy(QRect(free.topLeft() + layout.ScrollBar.topLeft(), up.size())), up);

        window.SetTestMode(false);
        QCOMPARE(TTestWindow::Pixels(dock), rest);
        QCOMPARE(window.Documents(), documents);
    }

    // The list answers the pointer: the scroll buttons light up and go
    // down, a click selects a track.
    void playlistAnswersThePointer_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<bool>("press");
        QTest::addColumn<QString>("key"); // the button's texture; none: the row selected
        using P = TPlaylistPart;
        QTest::newRow("scroll up under the pointer") << int(P::ScrollUp) << false << "SCROLLUP_SEL";
        QTest::newRow("scroll up pressed") << int(P::ScrollUp) << true << "SCROLLUP_DWN";
        QTest::newRow("scroll down under the pointer")
            << int(P::ScrollDown) << false << "SCROLLDOWN_SEL";
        QTest::newRow("scroll down pressed") << int(P::ScrollDown) << true << "SCROLLDOWN_DWN";
        QTest::newRow("a click selects a track") << int(P::Row) << true << QString();
    }

    void playlistAnswersThePointer() {
        QFETCH(int, part);
        QFETCH(bool, press);
        QFETCH(QString, key);
        TTestWindow window(0, {"SKIN_FONTS|PLSActive|65280"});
        TPlainPanel* dock = window.Form.Previews().PlaylistMan();
        const QRect free = dock->FreeArea();
        const TPlaylistLayout layout =
            PlaylistLayout(free.size(), window.Document(0), *window.Form.PageBitmap(0));
        const QByteArray documents = window.Documents();
        const auto rowAt = [&](int row) {
            return QRect(layout.Rows.left(), layout.Rows.top() + row * layout.RowHeight,
                         layout.Rows.width(), layout.RowHeight);
        };
        const QRect place = TPlaylistPart(part) == TPlaylistPart::ScrollUp     ? layout.ScrollUp
                            : TPlaylistPart(part) == TPlaylistPart::ScrollDown ? layout.ScrollDown
                                                                               : rowAt(kSelectedRow + 2);
        const QPoint at = free.topLeft() + place.center();

        window.SetTestMode(true);
        window.PointAt(dock, at);
        if (press)
            QTest::mousePress(dock, Qt::LeftButton, {}, at);
        const QImage shown = TTestWindow::Pixels(dock);
        const auto ground = [&](int row) {
            return shown.pixelColor(free.topLeft() + rowAt(row).topLeft() +
                                    QPoint(0, layout.RowHeight / 2));
        };
        if (key.isEmpty()) {
            QCOMPARE(ground(kSelectedRow + 2), QColor(0, 255, 0));
            QVERIFY(ground(kSelectedRow) != QColor(0, 255, 0));
        } else {
            const QImage texture = window.Texture(0, key);
            QCOMPARE(shown.copy(QRect(free.topLeft() + place.topLeft(), texture.size())), texture);
        }
        if (press)
            QTest::mouseRelease(dock, Qt::LeftButton, {}, at);
        window.SetTestMode(false);
        QCOMPARE(window.Documents(), documents);
    }

    void maskRows_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("windowHeight");
        QTest::addColumn<int>("row");
        // The built-in skin's mask: 168 rows, lower band 28, middle band 15.
        QTest::newRow("upper band") << 123 << 304 << 123;
        QTest::newRow("middle band starts") << 124 << 304 << 124;
        QTest::newRow("middle band repeats") << 139 << 304 << 124;
        QTest::newRow("middle band, further down") << 275 << 304 << 125;
        QTest::newRow("lower band meets the bottom") << 276 << 304 << 140;
        QTest::newRow("last row") << 303 << 304 << 167;
        QTest::newRow("a window lower than its mask") << 72 << 100 << 140;
        QTest::newRow("its upper rows") << 71 << 100 << 71;
    }

    void maskRows() {
        QFETCH(int, y);
        QFETCH(int, windowHeight);
        QFETCH(int, row);
        QCOMPARE(MaskRowFor(y, windowHeight, 168, 28, 15), row);
    }

    // The built-in skin rounds its window's corners with the key colour.
    // Negative coordinates count from the right or bottom edge.
    void maskCut_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("cut");
        QTest::newRow("top left corner") << QPoint(0, 0) << true;
        QTest::newRow("its rounding") << QPoint(3, 0) << true;
        QTest::newRow("past the rounding") << QPoint(4, 0) << false;
        QTest::newRow("top right corner") << QPoint(-1, 0) << true;
        QTest::newRow("bottom corner, by the lower band") << QPoint(0, -1) << true;
        QTest::newRow("lower band's rounding") << QPoint(0, -4) << true;
        QTest::newRow("inside the lower band") << QPoint(2, -4) << false;
        QTest::newRow("bar's middle, repeated") << QPoint(0, 200) << false;
    }

    void maskCut() {
        QFETCH(QPoint, at);
        QFETCH(bool, cut);
        TTestWindow window(0);
        QWidget* preview = window.Form.Previews().MainCtrl();
        const QImage rest = TTestWindow::Pixels(preview);
        const QPoint point((at.x() + rest.width()) % rest.width(),
                           (at.y() + rest.height()) % rest.height());
        QCOMPARE(rest.pixel(point) == 0xFFFF00FFu, cut);

        window.SetTestMode(true);
        const QImage shown = TTestWindow::Pixels(preview);
        const bool square = (point.x() / 2 + point.y() / 2) % 2;
        QCOMPARE(shown.pixel(point), cut ? (square ? 0xFFC8C8C8u : 0xFFFFFFFFu) : rest.pixel(point));
        // The pointer goes through to the controls under the checkerboard.
        QVERIFY(!preview->childAt(point) ||
                !preview->childAt(point)->testAttribute(Qt::WA_TransparentForMouseEvents));

        window.SetTestMode(false);
        QCOMPARE(TTestWindow::Pixels(preview), rest);
    }

    void scheme_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("shift");
        QTest::newRow("main button at rest") << 0 << "PLAYBTN" << false << "PLAYBTN_NRM" << 100;
        QTest::newRow("its hover texture too") << 0 << "PLAYBTN" << true << "PLAYBTN_SEL" << -60;
        QTest::newRow("equalizer") << 1 << "LIB" << true << "LIB_SEL" << 40;
        QTest::newRow("tray") << 2 << "trayplay" << false << "trayplay_NRM" << 200;
        QTest::newRow("the skin's own colours") << 0 << "PLAYBTN" << false << "PLAYBTN_NRM" << 0;
    }

    void scheme() {
        QFETCH(int, page);
        QFETCH(QString, element);
        QFETCH(bool, hover);
        QFETCH(QString, key);
        QFETCH(int, shift);
        TTestWindow window(page);
        QWidget* button = window.Element(element);
        QVERIFY(button && button->isVisible());
        const QImage rest = TTestWindow::Pixels(button);
        const QByteArray documents = window.Documents();
        window.Form.ScrollBar1->setValue(shift);

        window.SetTestMode(true);
        if (hover)
            window.PointAt(button, button->rect().center());
        const QImage texture = SchemeImage(window.Texture(page, key), shift);
        QCOMPARE(TTestWindow::Pixels(button).copy(texture.rect()), texture);
        QCOMPARE(texture != window.Texture(page, key), shift != 0);

        window.SetTestMode(false);
        QCOMPARE(TTestWindow::Pixels(button), rest);
        QCOMPARE(window.Documents(), documents);
        QCOMPARE(CurrentTheme, 0);
    }
};

QX_REGISTER_TEST(TestModeLooks)
#include "tst_TestModeLooks.moc"
