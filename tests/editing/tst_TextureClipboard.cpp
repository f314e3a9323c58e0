#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>

#include "EditingTestSupport.h"
#include "TestRegistry.h"
#include "controls/VESK_SE_Panel.h"

using namespace EditingTest;

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kPaste = QStringLiteral("Вставить параметры текстур");

// The element menu's two commands as it offers them: "copy paste caption",
// each command "+" or "-".
QString MenuOffer(TForm& f) {
    f.Form.ElementMenu->popup(QPoint(0, 0));
    const QString offer = QString(f.Form.Action4->isEnabled() ? u'+' : u'-') +
                          (f.Form.Action5->isEnabled() ? u'+' : u'-') + u' ' +
                          f.Form.Action5->text();
    f.Form.ElementMenu->hide();
    return offer;
}

QStringList States(TSkinProject& document, const QString& key, const QStringList& suffixes) {
    QStringList values;
    for (const QString& suffix : suffixes)
        values << Rect(document, kRects, key + suffix);
    return values;
}

} // namespace

class TestTextureClipboard : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("error box"))); }
    void cleanup() { SelectedElement = nullptr; }

    void pasteGivesTheCopiedButtonsStatesAsTheyAreNow() {
        TForm f;
        const QStringList suffixes{"_NRM", "_SEL", "_DWN"};
        f.Click(QStringLiteral("PLAYBTN"));
        QCOMPARE(MenuOffer(f), QStringLiteral("+- ") + kPaste);
        f.Form.Action4->trigger();
        // Changed after the copy: the paste reads the element then.
        f.Dialogs.RectAnswer = TRect{84, 238, 116, 264};
        QVERIFY(f.DoubleClick(QStringLiteral("State_NRM")));

        f.Click(QStringLiteral("STOPBTN"));
        QCOMPARE(MenuOffer(f), QStringLiteral("++ ") + kPaste + QStringLiteral("  [PLAYBTN]"));
        const QPoint place = f.Element(QStringLiteral("STOPBTN"))->pos();
        f.Form.Action5->trigger();
        QCOMPARE(States(f.Main(), "STOPBTN", suffixes), States(f.Main(), "PLAYBTN", suffixes));
        auto* stop = qobject_cast<TVESKSESkin*>(f.Element(QStringLiteral("STOPBTN")));
        auto* play = qobject_cast<TVESKSESkin*>(f.Element(QStringLiteral("PLAYBTN")));
        QCOMPARE(stop->geometry(), QRect(place, QSize(32, 26)));
        QCOMPARE(Rect(f.Main(), kObjs, QStringLiteral("STOPBTN")),
                 RectToStr({place.x(), place.y(), place.x() + 32, place.y() + 26}));
        QCOMPARE(stop->ImgBackGround(), play->ImgBackGround());
        QCOMPARE(f.Shown(QStringLiteral("State_NRM")), QStringLiteral("84,238,116,264"));
    }

    void menuOffersOnlyWhatApplies() {
        TForm f;
        f.Click(QStringLiteral("PLAYBTN"));
        QCOMPARE(MenuOffer(f), QStringLiteral("+- ") + kPaste);
        f.Click(QStringLiteral("Infobar"));
        QCOMPARE(MenuOffer(f), QStringLiteral("-- ") + kPaste);
        f.Click(QStringLiteral("PLAYBTN"));
        f.Form.Action4->trigger();
        f.Click(QStringLiteral("SHUFFLE"));
        QCOMPARE(MenuOffer(f), QStringLiteral("+- ") + kPaste);
        // Closed, the menu leaves the shortcuts to the commands, which
        // check again: nothing of another kind is pasted.
        QVERIFY(f.Form.Action5->isEnabled());
        const QByteArray before = f.Documents();
        f.Form.Action5->trigger();
        QCOMPARE(f.Documents(), before);
    }

    void closeButtonCopiesAcrossPagesByItsKey() {
        TForm f(1);
        const QStringList suffixes{"_NRM", "_SEL", "_DWN"};
        f.Click(QStringLiteral("CloseBtn_"));
        f.Form.Action4->trigger();
        f.Page(0);
        f.Click(QStringLiteral("CloseBtn"));
        f.Form.Action5->trigger();
        QCOMPARE(States(f.Main(), "CloseBtn", suffixes), States(f.Eq(), "CloseBtn", suffixes));
        QCOMPARE(States(f.Main(), "CloseBtn", suffixes).first(), QStringLiteral("0,140,16,153"));
    }

    void sliderPasteCarriesOrientationAndMissingStates() {
        TForm f;
        f.Main().WriteBool(QStringLiteral("SKIN_WIDTHS"), QStringLiteral("SeekBar_HORIZONTAL"),
                           false);
        f.Main().WriteString(kRects, QStringLiteral("SeekBar_THM"), QString());
        f.Click(QStringLiteral("SeekBar"));
        f.Form.Action4->trigger();
        f.Click(QStringLiteral("Volumebar"));
        f.Form.Action5->trigger();
        QCOMPARE(States(f.Main(), "Volumebar", {"_BK", "_BKS", "_THM"}),
                 QStringList({"0,357,330,367", "0,369,330,379", "0,0,0,0"}));
        QVERIFY(!f.Main().ReadBool(QStringLiteral("SKIN_WIDTHS"),
                                   QStringLiteral("Volumebar_HORIZONTAL"), true));
        QCOMPARE(f.Element(QStringLiteral("Volumebar"))->size(),
                 f.Element(QStringLiteral("SeekBar"))->size());
    }

    void shortcutsLeaveTextFieldsTheirOwnCopyAndPaste() {
        TForm f;
        QApplication::setActiveWindow(&f.Form);
        QVERIFY(QTest::qWaitForWindowActive(&f.Form));
        f.Click(QStringLiteral("PLAYBTN"));
        QSignalSpy copies(f.Form.Action4, &QAction::triggered);
        QSignalSpy pastes(f.Form.Action5, &QAction::triggered);

        f.Form.PageControl1->setCurrentWidget(f.Form.TabSheet8);
        f.Form.Memo1->setPlainText(QStringLiteral("abc"));
        f.Form.Memo1->selectAll();
        f.Form.Memo1->setFocus();
        QTest::keyClick(f.Form.Memo1, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(f.Form.Memo1, Qt::Key_End);
        QTest::keyClick(f.Form.Memo1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Form.Memo1->toPlainText(), QStringLiteral("abcabc"));
        QCOMPARE(copies.count() + pastes.count(), 0);

        // Elsewhere the shortcuts reach the commands.
        f.Form.PageControl1->setCurrentWidget(f.Form.TabSheet1);
        f.Form.CheckListBox1->setFocus();
        QTest::keyClick(f.Form.CheckListBox1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copies.count(), 1);
    }
};

QX_REGISTER_TEST(TestTextureClipboard)
#include "tst_TextureClipboard.moc"
