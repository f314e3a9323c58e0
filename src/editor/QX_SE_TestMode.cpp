#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/QX_SE.h"
#include "editor/testmode/TestMode.h"

QToolButton* TQXForm::BuildTestModeButton() {
    TestModeAction = new QAction(QStringLiteral("Проверка"), this);
    TestModeAction->setObjectName(QStringLiteral("TestModeAction"));
    TestModeAction->setCheckable(true);
    TestModeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    TestModeAction->setToolTip(
        QStringLiteral("Проверка (Ctrl+T): окна ведут себя как в плеере — кнопки "
                       "подсвечиваются и нажимаются, ползунки двигаются, в плэйлисте "
                       "видны треки, вырезанное маской показано шахматкой, цветовая схема "
                       "со страницы «Цветовые схемы» применена.\n"
                       "Выделение и свойства в это время не действуют; обложка не меняется."));
    addAction(TestModeAction);
    connect(TestModeAction, &QAction::toggled, this, &TQXForm::TestModeToggled);

    TestModeButton = new QToolButton;
    TestModeButton->setObjectName(QStringLiteral("TestModeButton"));
    TestModeButton->setDefaultAction(TestModeAction);
    return TestModeButton;
}

bool TQXForm::InTestMode() const {
    return FTestMode && FTestMode->IsOn();
}

void TQXForm::LeaveTestMode() {
    if (TestModeAction && TestModeAction->isChecked())
        TestModeAction->setChecked(false);
}

void TQXForm::TestModeToggled(bool on) {
    Guarded(this, [this, on] {
        if (on && !FTestMode) {
            FTestMode = new TTestMode(
                Previews(),
                [this](TSkinWindow window) {
                    return TTestPage{PageDocument(int(window)), PageBitmap(int(window))};
                },
                this, this);
            // The previews are tested on the skins page only; the other
            // pages photograph or recolour the main preview.
            connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
                if (PageControl1->currentWidget() != TabSheet1)
                    LeaveTestMode();
            });
        }
        if (on && PageControl1->currentWidget() != TabSheet1)
            PageControl1->setCurrentWidget(TabSheet1);
        // Nothing that selects, moves or edits an element works meanwhile.
        for (QWidget* widget : {CheckListBox1->parentWidget(), GroupBox2->parentWidget(),
                                static_cast<QWidget*>(Panel5), static_cast<QWidget*>(Panel10),
                                static_cast<QWidget*>(Button9), static_cast<QWidget*>(Panel3),
                                static_cast<QWidget*>(MoveModeButton)})
            widget->setEnabled(!on);
        for (QAction* action : {Action4, Action5})
            action->setEnabled(!on);
        // Undoing renders the previews from the documents under the test
        // mode's looks; the history waits until testing ends.
        if (on) {
            UndoItem->setEnabled(false);
            RedoItem->setEnabled(false);
        } else {
            ShowHistoryCaptions();
        }
        if (FTestMode) {
            // The scheme looked at last on the schemes page.
            if (on)
                FTestMode->SetScheme(ScrollBar1->value());
            FTestMode->SetOn(on);
        }
    });
}
