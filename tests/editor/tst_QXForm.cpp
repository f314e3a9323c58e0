#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "AnswerDialogs.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"
#include "storage/SkinVocabulary.h"
#include "text/SkinProject.h"
#include "tools/spLoupe.h"

namespace {

// The window with its hooks observed: loads and saves are counted and can
// be made to fail, and the element list is filled with every direct child of
// a preview tree.
class TProbeForm : public TQXForm {
public:
    using TQXForm::TQXForm;

    int LoadCalls = 0;
    int SaveCalls = 0;
    bool FailLoad = false;
    bool FailSave = false;
    QWidget* SelectionDuringSave = nullptr;
    QWidget* ClickedElement = nullptr;

protected:
    void LoadSkin(std::unique_ptr<TQXSPFile> file) override {
        ++LoadCalls;
        if (FailLoad)
            throw std::runtime_error("broken skin");
        TQXForm::LoadSkin(std::move(file));
    }
    void SaveSkin() override {
        ++SaveCalls;
        SelectionDuringSave = SelectedElement;
        if (FailSave)
            throw std::runtime_error("disk full");
    }
    void SelectElementAsClick(QWidget* element) override { ClickedElement = element; }
    void FillElementList(QWidget* root) override {
        if (!root)
            return;
        for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            auto* item = new QListWidgetItem(child->objectName(), CheckListBox1);
            item->setData(Qt::UserRole, QVariant::fromValue<QObject*>(child));
        }
    }
};

QStringList TabTexts(const QTabWidget* tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->widget(i)->objectName() + u'=' + tabs->tabText(i);
    return texts;
}

QString WidgetText(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return QString();
}

void ExpectErrorBox() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^error box: .+")));
}

} // namespace

class TestQXForm : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;
    TAnswerDialogs FDialogs;

private slots:
    void initTestCase() {
        // Skins install their fonts while the window runs; keep them here.
        qputenv("QX_FONTS_DIR", FFonts.path().toUtf8());
    }
    void init() { FDialogs = TAnswerDialogs(); }

    void startUpLeavesTheEditorReady() {
        TQXForm form(&FDialogs);
        QVERIFY(!form.PageControl1->isHidden());
        QVERIFY(form.Action2->isEnabled());
        QVERIFY(form.SpeedButton2->isEnabled());
        QVERIFY(form.SkinFile);
        // "[*]" is where the mark of unsaved changes shows; unmarked, the
        // window shows the caption alone.
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("[*]VESK Classic Skin Editor v1.41 [Build at 27.04.2007]"));
        QVERIFY(!form.isWindowModified());
        QCOMPARE(QApplication::applicationName(), QStringLiteral("VESK Classic Skin Editor v1.41"));
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QCOMPARE(form.size(), QSize(1070, 814));
        QCOMPARE(form.minimumSize(), QSize(780, 580));
        QCOMPARE(form.StatusText->text(),
                 QStringLiteral("Если выделить объект с зажатым Alt, то его можно будет "
                                "перемещать мышью"));
        QVERIFY(form.spLoupe1->Active());
        QVERIFY(form.spLoupe1->ShowCross());
        QCOMPARE(form.spLoupe1->ZoomLevel(), 2.0);
        QCOMPARE(QXForm, &form);
    }

    void pagesInOrder() {
        TQXForm form(&FDialogs);
        QCOMPARE(TabTexts(form.PageControl1),
                 QStringList({"TabSheet1=Шкурки ", "TabSheet2=Плэйлист", "TabSheet4=Меню, шрифты",
                              "TabSheet3=Цветовые схемы", "TabSheet8=Описание к шкурке"}));
        QCOMPARE(TabTexts(form.PageControl2),
                 QStringList({"TabSheet6=Главное окно", "TabSheet7=Окно эквалайзера",
                              "TabSheet5=Трей Контроллер"}));
        QCOMPARE(form.MainCtrl->parentWidget()->parentWidget(), form.TabSheet6);
        QCOMPARE(form.EQUA->parentWidget()->parentWidget(), form.TabSheet7);
        QCOMPARE(form.TrayControlMain->parentWidget()->parentWidget(), form.TabSheet5);
        QCOMPARE(form.MainPreview(), form.MainCtrl);
        QCOMPARE(form.EqualizerPreview(), form.EQUA);
        QCOMPARE(form.TrayPreview(), form.TrayControlMain);
    }

    void menusAndShortcuts() {
        TQXForm form(&FDialogs);
        const QList<QAction*> bar = form.MainMenu1->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("Обложка"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Правка"));
        QCOMPARE(bar[1]->menu()->actions(), QList<QAction*>({form.UndoItem, form.RedoItem}));
        QCOMPARE(form.UndoItem->text(), QStringLiteral("Отменить"));
        QCOMPARE(form.RedoItem->text(), QStringLiteral("Повторить"));
        QVERIFY(!form.UndoItem->isEnabled() && !form.RedoItem->isEnabled());
        QCOMPARE(form.UndoItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(form.RedoItem->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        QCOMPARE(bar[2], form.AboutItem);
        QCOMPARE(bar[2]->text(), QStringLiteral("О программе"));
        const QList<QAction*> skin = bar[0]->menu()->actions();
        QCOMPARE(skin.size(), 5);
        QCOMPARE(skin[0], form.Action1);
        QCOMPARE(skin[1], form.Action2);
        QCOMPARE(skin[2], form.CheckItem);
        QCOMPARE(form.CheckItem->text(), QStringLiteral("Проверить обложку"));
        QCOMPARE(form.CheckItem->shortcut(), QKeySequence(Qt::Key_F7));
        QVERIFY(skin[3]->isSeparator());
        QCOMPARE(skin[4]->text(), QStringLiteral("Выход"));
        QCOMPARE(form.Action1->text(), QStringLiteral("Открыть"));
        QCOMPARE(form.Action2->text(), QStringLiteral("Сохранить"));
        QCOMPARE(form.Action1->toolTip(), QStringLiteral("Открыть обложку"));
        QCOMPARE(form.Action2->toolTip(), QStringLiteral("Сохранить обложку"));
        QCOMPARE(form.ElementMenu->actions(), QList<QAction*>({form.Action4, form.Action5}));
        QCOMPARE(form.Action4->text(), QStringLiteral("Копировать параметры текстур"));
        QCOMPARE(form.Action5->text(), QStringLiteral("Вставить параметры текстур"));
        QCOMPARE(form.Action5->toolTip(), form.Action5->text());

        QCOMPARE(form.Action1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(form.Action2->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(form.Action4->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
        QCOMPARE(form.Action5->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
        // The clipboard shortcuts must reach the window on every page.
        QVERIFY(form.actions().contains(form.Action4));
        QVERIFY(form.actions().contains(form.Action5));
    }

    void shortcutsRunTheirCommands() {
        TProbeForm form(&FDialogs);
        form.setWindowState(Qt::WindowNoState);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(form.SaveCalls, 1);
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(FDialogs.OpenCalls, 1);
    }

    void namedComponents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hidden");
        const auto row = [](const char* name, const char* className, const char* text = "",
                            bool hidden = false) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(className)
                                << QString::fromUtf8(text) << hidden;
        };
        row("Panel6", "QFrame");
        row("Button1", "QPushButton");
        row("SpeedButton2", "QToolButton");
        row("Image3", "QLabel");
        row("CheckListBox1", "QListWidget");
        row("Edit1", "QLineEdit");
        row("SpeedButton1", "QToolButton", "...");
        row("GroupBox2", "QGroupBox");
        row("ListView1", "QTreeWidget");
        row("Panel2", "QFrame", "", true);
        row("Panel5", "QFrame", "", true);
        row("Panel10", "QFrame", "", true);
        row("Button9", "QPushButton", "Переместить вверх ", true);
        row("Panel3", "QFrame", "", true);
        row("ComboBox1", "QComboBox");
        row("ComboBox2", "QComboBox");
        row("PageControl2", "QTabWidget");
        row("spLoupe1", "TspLoupe");
        row("CheckBox2", "QCheckBox", "Захватывать");
        row("RGBInfo", "QLabel");
        row("TransparentInfo", "QLabel", "Прозрачный", true);
        row("Edit2", "QLineEdit");
        row("Edit3", "QLineEdit");
        row("Memo1", "QPlainTextEdit");
        for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit5",
                                 "SpinEdit6", "SpinEdit7"})
            row(name, "QSpinBox");
        // Playlist page.
        row("Panel25", "QFrame");
        row("Button28", "QPushButton", "Цвет");
        row("Button72", "QPushButton", "Шрифт");
        row("Button41", "QPushButton", "Шрифт пункта: обычный");
        row("Button42", "QPushButton", "Цвет шрифта");
        row("Button43", "QPushButton", "Шрифт пункта: активный");
        row("Button44", "QPushButton", "Цвет шрифта");
        row("Button46", "QPushButton", "Цвет шрифта текущего таба");
        row("Edit17", "QLineEdit");
        row("Button35", "QPushButton", "Выбрать");
        row("Edit39", "QLineEdit");
        row("Button71", "QPushButton", "Выбрать");
        row("CheckBox1", "QCheckBox", "Скрывать скролл, если плейлист не нуждается в прокрутке");
        // Menu and fonts page.
        row("Panel14", "QFrame");
        row("Panel19", "QFrame");
        row("Panel17", "QLabel");
        row("Button4", "QPushButton", "Выбрать");
        row("Button15", "QPushButton", "Выбрать");
        row("Painter", "TPaintBox");
        row("MenuDrawer", "QFrame");
        row("Image1", "QLabel");
        row("Button16", "QPushButton", "Очистить");
        row("Button17", "QPushButton", "Открыть");
        row("Button18", "QPushButton", "Сохранить");
        row("ListBox1", "QListWidget");
        row("Button2", "QPushButton", "Добавить");
        row("Button3", "QPushButton", "Удалить");
        // Colour schemes page.
        row("Image2", "QLabel");
        row("ScrollBar1", "QScrollBar");
        row("Button6", "QPushButton", "Добавить цветовую схему");
        row("ListBox2", "QListWidget");
        row("Button7", "QPushButton", "Удалить");
        row("Button8", "QPushButton", "Переименовать");
    }
    void namedComponents() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        QFETCH(bool, hidden);
        TQXForm form(&FDialogs);
        const QList<QWidget*> found = form.findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QVERIFY2(found[0]->inherits(className.toLatin1()),
                 qPrintable(found[0]->metaObject()->className()));
        if (!text.isEmpty())
            QCOMPARE(WidgetText(found[0]), text);
        QCOMPARE(found[0]->isHidden(), hidden);
    }

    void textureBoxesCarryTheirKeys() {
        TQXForm form(&FDialogs);
        QCOMPARE(form.Edit17->property("SkinKey").toString(), QStringLiteral("PLSTOP"));
        QCOMPARE(form.Edit23->property("SkinKey").toString(), QStringLiteral("SCROLLUP_DWN"));
        QCOMPARE(form.Edit15->property("SkinKey").toString(), QStringLiteral("SCROLLSLIDER_BK"));
        QCOMPARE(form.Edit39->property("SkinKey").toString(), QStringLiteral("PLS_UNCHECK"));
        QVERIFY(form.Edit17->isReadOnly());
        QVERIFY(form.CheckBox1->isChecked());
    }

    void editorsOfTheSkinsPage() {
        TQXForm form(&FDialogs);
        for (QSpinBox* spin : {form.SpinEdit1, form.SpinEdit2, form.SpinEdit3, form.SpinEdit4,
                               form.SpinEdit5, form.SpinEdit6}) {
            QCOMPARE(spin->minimum(), INT_MIN);
            QCOMPARE(spin->maximum(), INT_MAX);
        }
        QCOMPARE(form.SpinEdit7->minimum(), 2);
        QCOMPARE(form.SpinEdit7->maximum(), 20);
        QCOMPARE(form.SpinEdit7->value(), 2);
        QVERIFY(form.CheckBox2->isChecked());
        QVERIFY(!form.Edit1->isEnabled());
        QVERIFY(form.RGBInfo->wordWrap());

        QCOMPARE(form.ListView1->headerItem()->text(0), QStringLiteral("Свойство"));
        QCOMPARE(form.ListView1->headerItem()->text(1), QStringLiteral("Значение"));
        const QFontMetrics metrics(form.ListView1->font());
        QVERIFY(form.ListView1->columnWidth(0) > metrics.horizontalAdvance("SelectedFontColor"));
        QVERIFY(form.ListView1->columnWidth(1) > metrics.horizontalAdvance("0,206,338,226"));
        QCOMPARE(form.ListView1->header()->sectionResizeMode(1), QHeaderView::Interactive);
        QCOMPARE(form.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(form.ListView1->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(form.ListView1->toolTip(), QStringLiteral("DblClick - редактирование свойства"));

        QCOMPARE(form.ComboBox1->count(), 5);
        QCOMPARE(form.ComboBox1->itemText(0), QStringLiteral("MAIN PANEL"));
        QCOMPARE(form.ComboBox1->itemText(4), QStringLiteral("LEFT BORDER"));
        QVERIFY(!form.ComboBox1->isEditable());
        QCOMPARE(form.ComboBox2->itemText(0), QStringLiteral("Main TC_Window"));
        QCOMPARE(form.ComboBox2->itemText(1), QStringLiteral("Drop TC_Window"));
    }

    void descriptionPage() {
        TQXForm form(&FDialogs);
        QCOMPARE(form.Edit2->maxLength(), 32);
        QCOMPARE(form.Edit3->maxLength(), 32);
        QCOMPARE(form.Edit3->accessibleName(), QStringLiteral("Автор"));
        QCOMPARE(form.Edit2->accessibleName(), QStringLiteral("Имя обложки"));
        // The built-in skin brings its own description.
        QVERIFY(form.Memo1->toPlainText().startsWith(QStringLiteral("Graphite")));
        QCOMPARE(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void aboutBoxHasSevenLines() {
        TQXForm form(&FDialogs);
        form.AboutItem->trigger();
        QCOMPARE(FDialogs.InformationCalls, 1);
        QCOMPARE(FDialogs.InformationCaption, QStringLiteral("About"));
        const QStringList lines = FDialogs.InformationText.split(u'\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("VESK Classic Skin Editor v1.41"));
        QCOMPARE(lines[1], QStringLiteral("Build at 27.04.2007"));
        QVERIFY(lines[2].isEmpty());
        QVERIFY(!lines[3].isEmpty());
        QVERIFY(!lines[4].isEmpty());
        QVERIFY(lines[5].isEmpty());
        QCOMPARE(lines[6], QStringLiteral("For VESK Classic v1.74+"));
    }

    void cancellingOpenChangesNothing() {
        TProbeForm form(&FDialogs);
        form.EqDocument = std::make_unique<TSkinProject>();
        const TSkinProject* document = form.EqDocument.get();
        const TQXSPFile* file = form.SkinFile.get();
        const int loads = form.LoadCalls;
        form.Button1->click();
        QCOMPARE(FDialogs.OpenCalls, 1);
        QVERIFY(FDialogs.OpenFilter.contains(QStringLiteral("*.qxsp")));
        QCOMPARE(form.SkinFile.get(), file);
        QCOMPARE(form.EqDocument.get(), document);
        QCOMPARE(form.LoadCalls, loads);
    }

    void openReplacesThePackage() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("other.qxsp"));
        WriteFile(name, "not a skin package at all");

        TProbeForm form(&FDialogs);
        form.EqDocument = std::make_unique<TSkinProject>();
        form.TrayDocument = std::make_unique<TSkinProject>();
        form.PageControl1->hide();
        form.Action2->setEnabled(false);
        const TQXSPFile* previous = form.SkinFile.get();
        FDialogs.OpenAnswer = name;
        form.Action1->trigger();

        QVERIFY(form.SkinFile);
        QVERIFY(form.SkinFile.get() != previous);
        // Read afresh from the package that was opened.
        QVERIFY(form.EqDocument && form.EqDocument->FindSection(QStringLiteral("SKIN_OBJS")) >= 0);
        QVERIFY(form.TrayDocument &&
                form.TrayDocument->FindSection(QStringLiteral("SKIN_OBJS")) >= 0);
        QVERIFY(!form.PageControl1->isHidden());
        QVERIFY(form.Action2->isEnabled());
    }

    // Whatever fails while opening, the box shows it, the editor keeps a
    // skin and the pages and saving come back.
    void failedOpenIsReportedAndTheEditorCarriesOn_data() {
        QTest::addColumn<bool>("missingFile");
        QTest::addColumn<bool>("failLoad");
        QTest::newRow("file cannot be opened") << true << false;
        QTest::newRow("loading raises") << false << true;
    }
    void failedOpenIsReportedAndTheEditorCarriesOn() {
        QFETCH(bool, missingFile);
        QFETCH(bool, failLoad);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("skin.qxsp"));
        if (!missingFile) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        TProbeForm form(&FDialogs);
        const TQXSPFile* previous = form.SkinFile.get();
        form.PageControl1->hide();
        form.Action2->setEnabled(false);
        form.SpeedButton2->setEnabled(false);
        form.FailLoad = failLoad;
        FDialogs.OpenAnswer = name;

        ExpectErrorBox();
        form.Button1Click();

        QVERIFY(!form.PageControl1->isHidden());
        QVERIFY(form.Action2->isEnabled());
        QVERIFY(form.SpeedButton2->isEnabled());
        if (missingFile)
            QCOMPARE(form.SkinFile.get(), previous);
        QVERIFY(form.SkinFile);
        // An empty file is no package, and the user is told so first.
        const int told = missingFile ? 0 : 1;
        QCOMPARE(FDialogs.InformationCalls, told);
        form.AboutClick();
        QCOMPARE(FDialogs.InformationCalls, told + 1);
    }

    void saveHidesTheSelectionAndRestoresIt_data() {
        QTest::addColumn<bool>("fail");
        QTest::newRow("saved") << false;
        QTest::newRow("save failed") << true;
    }
    void saveHidesTheSelectionAndRestoresIt() {
        QFETCH(bool, fail);
        TProbeForm form(&FDialogs);
        TVESKSESkin element(form.MainCtrl);
        SelectedElement = &element;
        form.SelectionDuringSave = &element;
        form.FailSave = fail;
        if (fail)
            ExpectErrorBox();
        form.SpeedButton2->click();
        QCOMPARE(form.SaveCalls, 1);
        QCOMPARE(form.SelectionDuringSave, nullptr);
        QCOMPARE(SelectedElement.data(), &element);
        SelectedElement = nullptr;
    }

    // Only skin elements and panels get the element menu, and only those
    // under them are searched.
    void elementMenuGoesToElementControlsOnly() {
        TQXForm form(&FDialogs);
        QWidget root;
        auto* main = new TVESKSEPanel(&root);
        auto* button = new TVESKSESkin(main);
        auto* label = new TVESKSELabel(main);
        auto* digits = new TVESKSENumLabel(main);
        auto* plain = new QWidget(&root);
        auto* dock = new TVESKSEPanel(plain);
        auto* underLabel = new TVESKSESkin(label);
        TQXForm::AssignElementMenu(&root, form.ElementMenu);
        QCOMPARE(main->PopupMenu(), form.ElementMenu);
        QCOMPARE(button->PopupMenu(), form.ElementMenu);
        QCOMPARE(dock->PopupMenu(), nullptr);
        QCOMPARE(underLabel->PopupMenu(), nullptr);
        Q_UNUSED(digits);
        TQXForm::AssignElementMenu(nullptr, form.ElementMenu);
    }

    // Each preview page lists its own tree and hides the placement panels;
    // the tray page leaves its two panels out of the list and keeps the
    // property sheet.
    void previewPagesListTheirElements_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("sheetEmptied");
        QStringList equalizer;
        for (const TSkinElement& element : SkinElements(TSkinWindow::Equalizer))
            if (QLatin1String(element.Parent) == QLatin1String("main_"))
                equalizer << QLatin1String(element.Name);
        QTest::newRow("equalizer") << 0 << 1 << equalizer << true;
        QTest::newRow("tray") << 0 << 2 << QStringList{} << false;
        QTest::newRow("main window")
            << 2 << 0 << QStringList{"Main",     "Leftbar", "RightBar", "PlaylistMan",
                                     "TopPanel", "TabCtrl", "PlsCtrl"}
            << true;
    }
    void previewPagesListTheirElements() {
        QFETCH(int, from);
        QFETCH(int, page);
        QFETCH(QStringList, entries);
        QFETCH(bool, sheetEmptied);
        TProbeForm form(&FDialogs);
        form.setWindowState(Qt::WindowNoState);
        form.PageControl2->setCurrentIndex(from);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        for (QWidget* panel : {form.Panel2, form.Panel5, form.Panel10})
            panel->show();
        new QTreeWidgetItem(form.ListView1, {QStringLiteral("Left"), QStringLiteral("0")});
        form.PageControl2->setCurrentIndex(page);

        QStringList listed;
        for (int i = 0; i < form.CheckListBox1->count(); ++i)
            listed << form.CheckListBox1->item(i)->text();
        QCOMPARE(listed, entries);
        QVERIFY(form.Panel2->isHidden());
        QVERIFY(form.Panel5->isHidden());
        QVERIFY(form.Panel10->isHidden());
        QCOMPARE(form.ListView1->topLevelItemCount() == 0, sheetEmptied);
    }

    // The preview page lists its elements before the skins page, around it,
    // selects the first of them.
    void showingTheSkinsPageSelectsTheFirstElement() {
        TProbeForm form(&FDialogs);
        QWidget* main = form.MainCtrl->findChild<QWidget*>(QStringLiteral("Main"));
        form.setWindowState(Qt::WindowNoState);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.CheckListBox1->count(), 7);
        QCOMPARE(SelectedElement.data(), main);
        QCOMPARE(form.ClickedElement, main);
        SelectedElement = nullptr;
    }

    void magnifierFollowsItsControls() {
        TQXForm form(&FDialogs);
        form.SpinEdit7->setValue(7);
        QCOMPARE(form.spLoupe1->ZoomLevel(), 7.0);
        QVERIFY(!form.spLoupe1->Hold());
        form.CheckBox2->click();
        QVERIFY(!form.spLoupe1->Hold());
        form.CheckBox2->click();
        QVERIFY(form.spLoupe1->Hold());
    }

    void colourReadOut_data() {
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("transparent");
        QTest::newRow("magenta") << 16711935 << "#16711935\r\nR: 255\r\nG: 0\r\nB: 255" << true;
        QTest::newRow("asymmetric") << 0x123456 << "#1193046\r\nR: 86\r\nG: 52\r\nB: 18" << false;
        QTest::newRow("almost magenta")
            << 16711934 << "#16711934\r\nR: 254\r\nG: 0\r\nB: 255" << false;
        QTest::newRow("black") << 0 << "#0\r\nR: 0\r\nG: 0\r\nB: 0" << false;
    }
    void colourReadOut() {
        QFETCH(int, color);
        QFETCH(QString, text);
        QFETCH(bool, transparent);
        TQXForm form(&FDialogs);
        // Start from the opposite state, so both directions are seen.
        form.TransparentInfo->setVisible(!transparent);
        emit form.spLoupe1->OnColor(color);
        QCOMPARE(form.RGBInfo->text(), text);
        QCOMPARE(!form.TransparentInfo->isHidden(), transparent);
    }
};

QX_REGISTER_TEST(TestQXForm)
#include "tst_QXForm.moc"
