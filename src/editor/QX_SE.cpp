#include "editor/QX_SE.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include "compiler/QX_SE_Save.h"
#include "controls/SelectedElement.h"
#include "controls/VESKMenuPainter.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/LoadReportForm.h"
#include "editor/PreviewTrees.h"
#include "editor/edits/PageEdit.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"
#include "tools/spLoupe.h"

TQXForm* QXForm = nullptr;

namespace {

const QString Caption = QStringLiteral("VESK Classic Skin Editor v1.41 [Build at 27.04.2007]");
const QString Title = QStringLiteral("VESK Classic Skin Editor v1.41");
const QString SkinFilter = QStringLiteral("VESK Classic Skin Package (*.qxsp)");
const QString AltHint = QStringLiteral("Если выделить объект с зажатым Alt, то его можно будет "
                                       "перемещать мышью");

const QStringList AboutLines = {
    QStringLiteral("VESK Classic Skin Editor v1.41"),
    QStringLiteral("Build at 27.04.2007"),
    QString(),
    QStringLiteral("Qt edition by the QX Skin Editor developers"),
    QStringLiteral("Bug reports and wishes: the project's issue tracker"),
    QString(),
    QStringLiteral("For VESK Classic v1.74+"),
};

} // namespace

TQXForm::TQXForm(IEditorDialogs* dialogs, QWidget* parent) : QMainWindow(parent) {
    if (!dialogs) {
        FOwnDialogs = std::make_unique<QtEditorDialogs>();
        dialogs = FOwnDialogs.get();
    }
    FDialogs = dialogs;
    QXForm = this;

    setObjectName(QStringLiteral("QXForm"));
    resize(DefaultWidth, DefaultHeight);
    setMinimumSize(780, 580);
    setWindowState(Qt::WindowMaximized);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setAttribute(Qt::WA_AlwaysShowToolTips);

    BuildActions();
    BuildHistory();
    BuildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildTopBar(central);
    BuildPages(central);
    column->addWidget(Panel6);
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusText = new QLabel(AltHint, StatusBar1);
    StatusBar1->addWidget(StatusText, 1);
    setStatusBar(StatusBar1);
    BuildCheckDock();

    ConnectMagnifier();
    ConnectElementPage();
    ConnectPropertyEditing();
    ConnectTextureClipboard();
    ConnectPlaylistPage();
    ConnectMenuPage();
    ConnectSchemesPage();
    ConnectDescriptionPage();
    MenuPainter = std::make_unique<TVESKMenuPainter>();
    BuildPreviewTrees();
    Guarded(this, [this] { FormCreate(); });
}

TQXForm::~TQXForm() {
    if (QXForm == this)
        QXForm = nullptr;
    // The history is a child and is destroyed after this class is gone; its
    // last signals must not reach the half-destroyed window.
    if (History)
        History->disconnect(this);
}

void TQXForm::BuildActions() {
    Action1 = new QAction(QStringLiteral("Открыть"), this);
    Action1->setObjectName(QStringLiteral("Action1"));
    Action1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Action1->setToolTip(QStringLiteral("Открыть обложку"));
    connect(Action1, &QAction::triggered, this, &TQXForm::Button1Click);

    Action2 = new QAction(QStringLiteral("Сохранить"), this);
    Action2->setObjectName(QStringLiteral("Action2"));
    Action2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Action2->setToolTip(QStringLiteral("Сохранить обложку"));
    Action2->setEnabled(false);
    connect(Action2, &QAction::triggered, this, &TQXForm::SpeedButton2Click);

    CheckItem = new QAction(QStringLiteral("Проверить обложку"), this);
    CheckItem->setObjectName(QStringLiteral("CheckItem"));
    CheckItem->setShortcut(QKeySequence(Qt::Key_F7));
    CheckItem->setToolTip(QStringLiteral("Найти ошибки обложки до того, как их найдёт плеер"));
    connect(CheckItem, &QAction::triggered, this, &TQXForm::CheckSkinClick);

    ExitItem = new QAction(QStringLiteral("Выход"), this);
    ExitItem->setObjectName(QStringLiteral("ExitItem"));
    connect(ExitItem, &QAction::triggered, this, &TQXForm::ExitClick);

    AboutItem = new QAction(QStringLiteral("О программе"), this);
    AboutItem->setObjectName(QStringLiteral("AboutItem"));
    connect(AboutItem, &QAction::triggered, this, &TQXForm::AboutClick);

    // The texture clipboard's shortcuts work on every page, not only while
    // the element menu is open, so the window carries them too.
    Action4 = new QAction(QStringLiteral("Копировать параметры текстур"), this);
    Action4->setObjectName(QStringLiteral("Action4"));
    Action4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Action5 = new QAction(QStringLiteral("Вставить параметры текстур"), this);
    Action5->setObjectName(QStringLiteral("Action5"));
    Action5->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Action5->setToolTip(QStringLiteral("Вставить параметры текстур"));
    addAction(Action4);
    addAction(Action5);
}

void TQXForm::BuildMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* skinMenu = MainMenu1->addMenu(QStringLiteral("Обложка"));
    skinMenu->setObjectName(QStringLiteral("SkinMenu"));
    skinMenu->setToolTipsVisible(true);
    skinMenu->addAction(Action1);
    skinMenu->addAction(Action2);
    skinMenu->addAction(CheckItem);
    skinMenu->addSeparator();
    skinMenu->addAction(ExitItem);
    QMenu* editMenu = MainMenu1->addMenu(QStringLiteral("Правка"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    editMenu->addAction(UndoItem);
    editMenu->addAction(RedoItem);
    MainMenu1->addAction(AboutItem);
    setMenuBar(MainMenu1);

    ElementMenu = new QMenu(this);
    ElementMenu->setObjectName(QStringLiteral("ElementMenu"));
    ElementMenu->addAction(Action4);
    ElementMenu->addAction(Action5);
}

// ------------------------------------------------------------- start-up

void TQXForm::FormCreate() {
    EmptyTextureClipboard();
    // The mark of unsaved changes goes in front of the caption.
    setWindowTitle(QStringLiteral("[*]") + Caption);
    QApplication::setApplicationName(Title);
    AssignElementMenu(PreviewElement(QStringLiteral("main_")), ElementMenu);
    AssignElementMenu(MainCtrl, ElementMenu);
    spLoupe1->SetShowCross(true);

    auto file = std::make_unique<TQXSPFile>();
    QFile resource(QStringLiteral(":/skin/DEFAULT"));
    // The package tool, which packs the built-in skin, cannot carry it: its
    // hidden window starts from an empty skin.
    if (resource.open(QIODevice::ReadOnly)) {
        file->LoadFromStream(resource);
    } else {
        file->Reset();
        file->LoadProject();
    }
    LoadSkin(std::move(file));
    // The built-in skin carries schemes of its own; a list left empty here
    // would have the first scheme added overwrite them.
    RefreshSchemeList();
    ResetHistory();

    ShowPagesAndEnableSave();
}

void TQXForm::ShowPagesAndEnableSave() {
    PageControl1->setVisible(true);
    Action2->setEnabled(true);
    SpeedButton2->setEnabled(true);
}

void TQXForm::AssignElementMenu(QWidget* container, QMenu* menu) {
    if (!container)
        return;
    // Plain panels, labels and numeric displays are skipped with everything
    // under them: the playlist dock and the tray get no element menu.
    for (QObject* child : container->children()) {
        auto* element = qobject_cast<TVESKSESkin*>(child);
        if (!element)
            continue;
        element->SetPopupMenu(menu);
        AssignElementMenu(element, menu);
    }
}

// ---------------------------------------------------------------- hooks

void TQXForm::SaveSkin() {
    const QString saved = ShowSaveForm(*this);
    if (saved.isEmpty())
        return;
    History->setClean();
    CheckSavedSkin(saved);
}

// ------------------------------------------------------------- commands

void TQXForm::Button1Click() {
    Guarded(this, [this] {
        if (!MayDropChanges())
            return;
        const QString fileName = Dialogs().OpenFileName(this, QString(), SkinFilter);
        if (!fileName.isEmpty())
            OpenSkin(fileName);
    });
}

void TQXForm::OpenSkin(const QString& fileName) {
    LeaveTestMode();
    // Whatever goes wrong below, the editor still holds a skin.
    // A skin that replaced the one held starts its own history, even when
    // loading it failed halfway: the old steps would write into it.
    const TQXSPFile* previous = SkinFile.get();
    const auto finish = qScopeGuard([this, previous] {
        if (SkinFile.get() != previous)
            ResetHistory();
        ShowPagesAndEnableSave();
    });
    auto file = std::make_unique<TQXSPFile>();
    file->LoadFromFile(fileName);
    // The user asked for their file, not for the built-in skin: they hear
    // why before it appears. The file is not what the editor then holds, so
    // a save must not offer to overwrite it with the built-in skin.
    const bool fellBack = file->FellBack;
    if (fellBack)
        Dialogs().Information(
            this, QStringLiteral("Открытие обложки"),
            QStringLiteral("Файл \"%1\" не является пакетом обложки VESK Classic.\n"
                           "Показана встроенная обложка.")
                .arg(QFileInfo(fileName).fileName()));
    // The equalizer and tray loaders read the new package only when these
    // are gone.
    EqDocument.reset();
    TrayDocument.reset();
    LoadSkin(std::move(file));
    SkinFileName = fellBack ? QString() : QFileInfo(fileName).absoluteFilePath();
    RefreshSchemeList();
    ShowLoadReport(fileName);
}

void TQXForm::ShowLoadReport(const QString& fileName) {
    if (LoadReport)
        LoadReport->close();
    if (!SkinFile || SkinFile->Problems.IsEmpty())
        return;
    LoadReport = new TLoadReportForm(fileName, SkinFile->Problems, this);
    LoadReport->show();
}

void TQXForm::SpeedButton2Click() {
    Guarded(this, [this] {
        LeaveTestMode();
        // No selection frame may end up in anything the save photographs.
        // The control itself is repainted: a repaint of the window alone
        // leaves the frame on screen while the save's dialogs are up.
        const QPointer<QWidget> selected = SelectedElement;
        SelectedElement = nullptr;
        if (selected)
            selected->repaint();
        repaint();
        const auto restore = qScopeGuard([this, selected] {
            SelectedElement = selected;
            if (selected)
                selected->repaint();
            repaint();
        });
        SaveSkin();
    });
}

void TQXForm::AboutClick() {
    Guarded(this, [this] {
        Dialogs().Information(this, QStringLiteral("About"), AboutLines.join(u'\n'));
    });
}

void TQXForm::ExitClick() {
    Guarded(this, [this] { close(); });
}

// ---------------------------------------------------------- page switches

bool TQXForm::eventFilter(QObject* watched, QEvent* event) {
    // A page is shown when it becomes visible: by a page switch or with its
    // window. Restoring a minimised window shows nothing new.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        if (watched == TabSheet1)
            TabSheet1Show();
        else if (watched == TabSheet6)
            TabSheet6Show();
        else if (watched == TabSheet7)
            TabSheet7Show();
        else if (watched == TabSheet5)
            TabSheet5Show();
        else if (watched == TabSheet3)
            TakeSchemeSnapshot();
    }
    // A click on an element gives its preview page the focus, so the arrows
    // then move the element rather than scroll the page.
    const bool previewPage = watched == TabSheet6 || watched == TabSheet7 || watched == TabSheet5;
    if (previewPage && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        bool used = false;
        Guarded(this, [&] {
            used =
                NudgeSelectedElement(static_cast<QWidget*>(watched), key->key(), key->modifiers());
        });
        if (used)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TQXForm::TabSheet1Show() {
    Guarded(this, [this] {
        if (CheckListBox1->count() == 0)
            return;
        auto* first =
            qobject_cast<QWidget*>(CheckListBox1->item(0)->data(Qt::UserRole).value<QObject*>());
        if (!first)
            return;
        SelectedElement = first;
        SelectElementAsClick(first);
    });
}

void TQXForm::TabSheet6Show() {
    Guarded(this, [this] {
        CheckListBox1->clear();
        FillElementList(MainCtrl);
        // The list walk does not enter plain panels, so the playlist dock
        // under MainCtrl needs a walk of its own.
        FillElementList(PreviewElement(QStringLiteral("PlaylistMan")));
        HidePlacementPanels();
        ListView1->clear();
    });
}

void TQXForm::TabSheet7Show() {
    Guarded(this, [this] {
        CheckListBox1->clear();
        FillElementList(PreviewElement(QStringLiteral("main_")));
        HidePlacementPanels();
        ListView1->clear();
    });
}

void TQXForm::TabSheet5Show() {
    Guarded(this, [this] {
        CheckListBox1->clear();
        FillElementList(TrayControlMain);
        // The two tray panels are containers, not elements one edits.
        RemoveElementEntry(PreviewElement(QStringLiteral("TrayInfo")));
        RemoveElementEntry(PreviewElement(QStringLiteral("TrayCtrl")));
        HidePlacementPanels();
    });
}

void TQXForm::HidePlacementPanels() {
    Panel2->hide();
    Panel5->hide();
    Panel10->hide();
}

void TQXForm::RemoveElementEntry(QWidget* element) {
    if (!element)
        return;
    for (int row = CheckListBox1->count() - 1; row >= 0; --row) {
        if (CheckListBox1->item(row)->data(Qt::UserRole).value<QObject*>() == element)
            delete CheckListBox1->takeItem(row);
    }
}

QWidget* TQXForm::PreviewElement(const QString& name) const {
    for (QWidget* root : {MainCtrl, EQUA, TrayControlMain}) {
        if (root->objectName() == name)
            return root;
        if (auto* found = root->findChild<QWidget*>(name))
            return found;
    }
    return nullptr;
}
