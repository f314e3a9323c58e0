#include <QRegularExpression>
#include <QTemporaryDir>

#include "EditingTestSupport.h"
#include "TestRegistry.h"

using namespace EditingTest;

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");

TSkinProject& PageDocument(TForm& f, int page) {
    return page == 0 ? f.Main() : page == 1 ? f.Eq() : f.Tray();
}

} // namespace

// Texture rectangles picked in the rectangle selector, and what follows
// them: dependent states, element sizes, the frame's derived values.
class TestRectEditing : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("error box"))); }
    void cleanup() { SelectedElement = nullptr; }

    void elementAndStatesTakeTheMastersSize_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("dependents");
        QTest::addColumn<bool>("placementWritten");
        QTest::newRow("push button")
            << 0 << "PLAYBTN"
            << "State_NRM" << QStringList{"PLAYBTN_SEL", "PLAYBTN_DWN"} << true;
        QTest::newRow("two-state button")
            << 0 << "SHUFFLE"
            << "Unchecked" << QStringList{"SHUFFLE_UCHS", "SHUFFLE_CHK", "SHUFFLE_CHKS"} << true;
        QTest::newRow("slider") << 0 << "SeekBar"
                                << "Normal" << QStringList{"SeekBar_BKS"} << true;
        QTest::newRow("equalizer slider") << 1 << "VESKSlider1"
                                          << "Normal" << QStringList{"VESKSlider1_BKS"} << true;
        QTest::newRow("tray button")
            << 2 << "trayplay"
            << "State_NRM" << QStringList{"trayplay_SEL", "trayplay_DWN"} << false;
    }
    void elementAndStatesTakeTheMastersSize() {
        QFETCH(int, page);
        QFETCH(QString, element);
        QFETCH(QString, caption);
        QFETCH(QStringList, dependents);
        QFETCH(bool, placementWritten);
        TForm f(page);
        TSkinProject& document = PageDocument(f, page);
        f.Click(element);
        QList<TRect> before;
        for (const QString& key : dependents)
            before << document.ReadRect(kRects, key, TRect());
        const QString key = PropertyOf(f.Row(caption))->Key;
        const QSize bitmap = (page == 0   ? *f.Form.SkinFile->MainBmp
                              : page == 1 ? *f.Form.EqBitmap
                                          : *f.Form.TrayBitmap)
                                 .size();

        f.Dialogs.RectAnswer = TRect{10, 20, 130, 29};
        QVERIFY(f.DoubleClick(caption));
        QVERIFY(!f.Dialogs.SizeLockedAsked);
        QCOMPARE(f.Dialogs.ImageAsked.size(), bitmap);
        QCOMPARE(Rect(document, kRects, key), QStringLiteral("10,20,130,29"));
        for (int i = 0; i < dependents.size(); ++i) {
            const TRect b = before[i];
            QCOMPARE(Rect(document, kRects, dependents[i]),
                     RectToStr({b.Left, b.Top, b.Left + 120, b.Top + 9}));
        }
        QWidget* control = f.Element(element);
        QCOMPARE(control->size(), QSize(120, 9));
        if (placementWritten)
            QCOMPARE(Rect(document, kObjs, element),
                     RectToStr(TRect::FromQRect(control->geometry())));
        QCOMPARE(f.Shown(caption), QStringLiteral("10,20,130,29"));
    }

    void dependentStateOpensWithItsSizeLocked() {
        TForm f;
        f.Click(QStringLiteral("PLAYBTN"));
        const QString master = Rect(f.Main(), kRects, QStringLiteral("PLAYBTN_NRM"));
        f.Dialogs.RectAnswer = TRect{0, 0, 30, 24};
        QVERIFY(f.DoubleClick(QStringLiteral("State_SEL")));
        QVERIFY(f.Dialogs.SizeLockedAsked);
        QCOMPARE(f.Dialogs.RectAsked, (TRect{116, 238, 146, 262}));
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("PLAYBTN_SEL")),
                 QStringLiteral("0,0,30,24"));
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("PLAYBTN_NRM")), master);
    }

    void multiDisplaySplitsIntoItsHalves() {
        TForm f;
        f.Click(QStringLiteral("MultiDisplay"));
        const QPoint place = f.Element(QStringLiteral("MultiDisplay"))->pos();
        f.Dialogs.RectAnswer = TRect{0, 0, 100, 41};
        QVERIFY(f.DoubleClick(QStringLiteral("Numeric_Table")));
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("MultiDisplayTOP")),
                 QStringLiteral("0,0,100,20"));
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("MultiDisplayBTM")),
                 QStringLiteral("0,20,100,41"));
        QCOMPARE(Rect(f.Main(), kObjs, QStringLiteral("MultiDisplay")),
                 RectToStr({place.x(), place.y(), place.x() + 100, place.y() + 41}));
        QCOMPARE(f.Element(QStringLiteral("MultiDisplay"))->size(), QSize(100, 41));
        QCOMPARE(f.Shown(QStringLiteral("Numeric_Table")), QStringLiteral("0,0,100,41"));
    }

    void trayWindowIsPlacedAtTheOriginWithItsTexturesSize() {
        TForm f(2);
        f.Click(QStringLiteral("TrayInfo"));
        f.Dialogs.RectAnswer = TRect{10, 20, 110, 60};
        QVERIFY(f.DoubleClick(QStringLiteral("Texture")));
        QCOMPARE(Rect(f.Tray(), kRects, QStringLiteral("TrayInfo")),
                 QStringLiteral("10,20,110,60"));
        QCOMPARE(Rect(f.Tray(), kObjs, QStringLiteral("TrayInfo")), QStringLiteral("0,0,100,40"));
        // Its width is the tray window's, by its alignment.
        QCOMPARE(f.Element(QStringLiteral("TrayInfo"))->height(), 40);
    }

    void borderBarWritesItsWidth_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("widthKey");
        QTest::newRow("left") << "Leftbar"
                              << "BARSIZE";
        QTest::newRow("right") << "RightBar"
                               << "BARSIZER";
    }
    void borderBarWritesItsWidth() {
        QFETCH(QString, bar);
        QFETCH(QString, widthKey);
        TForm f;
        f.Click(bar);
        f.Dialogs.RectAnswer = TRect{0, 0, 9, 30};
        QVERIFY(f.DoubleClick(QStringLiteral("Center")));
        QCOMPARE(f.Main().ReadInteger(QStringLiteral("SKIN_WIDTHS"), widthKey, -1), 9);
    }

    void curveDisplaySitsWhereItsTextureLies() {
        TForm f(1);
        f.Click(QStringLiteral("EQVIS"));
        f.Dialogs.RectAnswer = TRect{20, 30, 120, 70};
        QVERIFY(f.DoubleClick(QStringLiteral("Texture")));
        QCOMPARE(Rect(f.Eq(), kObjs, QStringLiteral("EQVIS")), QStringLiteral("20,30,120,70"));
        QCOMPARE(f.Element(QStringLiteral("EQVIS"))->geometry(), QRect(20, 30, 100, 40));
    }

    void cancelledSelectorLeavesTheSkinAlone() {
        TForm f;
        // Halves that a re-split would even out.
        f.Main().WriteString(kRects, QStringLiteral("MultiDisplayBTM"),
                             QStringLiteral("162,40,334,88"));
        f.Click(QStringLiteral("MultiDisplay"));
        const QByteArray before = f.Documents();
        QVERIFY(f.DoubleClick(QStringLiteral("Numeric_Table")));
        QCOMPARE(f.Dialogs.Calls, 1);
        QCOMPARE(f.Documents(), before);
    }

    void malformedValueOpensTheSelectorEmpty() {
        TForm f;
        f.Main().WriteString(kRects, QStringLiteral("PLAYBTN_NRM"), QStringLiteral("1,2,x,4"));
        f.Click(QStringLiteral("PLAYBTN"));
        f.Dialogs.RectAnswer = TRect{84, 238, 114, 262};
        QVERIFY(f.DoubleClick(QStringLiteral("State_NRM")));
        QCOMPARE(f.Dialogs.RectAsked, TRect());
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("PLAYBTN_NRM")),
                 QStringLiteral("84,238,114,262"));
    }

    void sheetLeftOnTheTrayPageEditsTheElementsOwnDocument() {
        TForm f;
        f.Click(QStringLiteral("PLAYBTN"));
        // The tray page does not empty the sheet of the main window's button.
        f.Page(2);
        QVERIFY(f.Row(QStringLiteral("State_NRM")));
        f.Dialogs.RectAnswer = TRect{1, 2, 31, 26};
        QVERIFY(f.DoubleClick(QStringLiteral("State_NRM")));
        QCOMPARE(Rect(f.Main(), kRects, QStringLiteral("PLAYBTN_NRM")),
                 QStringLiteral("1,2,31,26"));
        QCOMPARE(Rect(f.Tray(), kRects, QStringLiteral("PLAYBTN_NRM")),
                 QStringLiteral("-1,-1,-1,-1"));
    }
};

QX_REGISTER_TEST(TestRectEditing)
#include "tst_RectEditing.moc"
