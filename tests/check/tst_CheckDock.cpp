#include <QFontDatabase>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "EditorWindowFixture.h"
#include "TestRegistry.h"
#include "compiler/QX_SE_Save.h"
#include "controls/SelectedElement.h"
#include "editor/SkinCheckDock.h"

namespace {

// The pressed state of the equalizer's "CFG" a pixel wider than its
// resting state: the one mistake the checker is to find.
void WidenPressedState(TEditorWindow<>& window) {
    TRect pressed = window.Eq().ReadRect("SKIN_RECTS", "CFG_DWN", TRect());
    pressed.Right += 1;
    window.Eq().WriteRect("SKIN_RECTS", "CFG_DWN", pressed);
}

} // namespace

// "Проверить обложку" in the window: what it lists, where a finding leads,
// and the list after a save that found errors.
class TestCheckDock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TSaveForm::SetStatusPause(0);
    }

    void builtInSkinChecksCleanAndStaysAsItWas() {
        TEditorWindow<> window;
        window.Click("PLAYBTN");
        const QByteArray documents = window.Documents();
        window.Form.CheckItem->trigger();
        QVERIFY(window.Form.CheckDock->isVisible());
        QCOMPARE(window.Form.CheckDock->FindingsList->topLevelItemCount(), 0);
        QVERIFY(window.Form.CheckDock->SummaryLabel->text().contains("нет"));
        QCOMPARE(window.Documents(), documents);
        QCOMPARE(SelectedElement.data(), window.Element("PLAYBTN"));
    }

    void findingLeadsToItsElementAndRow() {
        TEditorWindow<> window;
        WidenPressedState(window);
        window.Form.PageControl1->setCurrentIndex(2);
        window.Form.CheckItem->trigger();
        QTreeWidget* list = window.Form.CheckDock->FindingsList;
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QString("state.size-mismatch"));
        QVERIFY(window.DoubleClickItem(list, list->topLevelItem(0)));
        QCOMPARE(window.Form.PageControl1->currentIndex(), 0);
        QCOMPARE(window.Form.PageControl2->currentIndex(), 1);
        QCOMPARE(SelectedElement.data(), window.Element("CFG"));
        QCOMPARE(PropertyOf(window.Form.ListView1->currentItem())->Key, QString("CFG_DWN"));
    }

    void saveWithErrorsListsThem() {
        TEditorWindow<> window;
        WidenPressedState(window);
        QTemporaryDir folder;
        window.Dialogs.SaveAnswer = folder.filePath("broken.qxsp");
        window.Form.SpeedButton2Click();
        QVERIFY(window.Form.CheckDock->isVisible());
        QCOMPARE(window.Form.CheckDock->FindingsList->topLevelItemCount(), 1);
        QVERIFY(window.Form.CheckDock->SummaryLabel->text().contains("broken.qxsp"));
    }
};

QX_REGISTER_TEST(TestCheckDock)
#include "tst_CheckDock.moc"
