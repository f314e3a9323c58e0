#pragma once

#include <functional>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "compiler/SaveSource.h"
#include "graphics/VESKColor.h"

class IEditorDialogs;
enum class TEditKind : int;
struct TPageState;
struct TSkinSnapshot;
class QUndoStack;
enum class TSkinWindow;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QImage;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QPainter;
class TPaintBox;
class TPreviewTrees;
class TQXSPFile;
class TSkinLoader;
class TSkinProject;
class TSkinCheckDock;
class TSkinRenderer;
class TTestMode;
class TLoadReportForm;
class TVESKMenuPainter;
class TVESKNumLabel;
class TVESKSELabel;
class TspLoupe;
struct TPropertySheetView;
struct TRect;
struct TFinding;
struct TVKProperty;

// The editor's one window: it owns the skin being edited, the live previews
// of the player's three skinned windows, the element list, the property
// sheet and the tool pages. Components carry the names the rest of the
// editor knows them by, both as members and as object names.
class TQXForm : public QMainWindow, public ISaveSource {
    Q_OBJECT

public:
    static constexpr int DefaultWidth = 1070;
    static constexpr int DefaultHeight = 814;

    // The window answers its questions through dialogs; without one it uses
    // Qt's standard dialogs. Start-up (the built-in skin) runs here.
    explicit TQXForm(IEditorDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TQXForm() override;

    IEditorDialogs& Dialogs() const { return *FDialogs; }

    // What a save reads of the window (QX_SE_SaveTarget.cpp).
    TSaveTarget SaveTarget() override;
    IEditorDialogs& SaveDialogs() override { return Dialogs(); }
    QWidget* SaveWindow() override { return this; }
    QString SaveFileName() const override { return SkinFileName; }
    void SetSaveFileName(const QString& fileName) override { SkinFileName = fileName; }

    // The preview containers; their element controls are built into them.
    QWidget* MainPreview() const { return MainCtrl; }
    QWidget* EqualizerPreview() const { return EQUA; }
    QWidget* TrayPreview() const { return TrayControlMain; }

    // Gives the popup menu to every element control under the container,
    // in child order, descending into element controls only.
    static void AssignElementMenu(QWidget* container, QMenu* menu);

    // Commands; each is an entry point from Qt and shows its own errors.
    void Button1Click();      // open
    void SpeedButton2Click(); // save
    void AboutClick();
    void ExitClick();
    // Opens the package file without asking; errors reach the caller. A file
    // that is no package is said to be so before the built-in skin shows;
    // what the package held that could not be read is listed in LoadReport.
    void OpenSkin(const QString& fileName);
    // The report of the last open, while it is shown.
    QPointer<TLoadReportForm> LoadReport;
    // The package file last opened or saved; empty for the built-in skin.
    QString SkinFileName;

    // ---- history of changes (QX_SE_History.cpp)
    // Every change to the skin is one step of History, which is clean while
    // the skin is as it was opened or last saved.
    QUndoStack* History = nullptr;
    static constexpr int MaxHistorySteps = 200;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    // Makes the change as one step of the history, named text; the state
    // before and after is recorded for the aspects named (documents and the
    // previews' placement always). The next step of the same kind on the
    // same element joins it. Changes made while one is made are part of it.
    void Edit(const QString& text, TEditKind kind, const QString& element, unsigned aspects,
              const std::function<void()>& change);
    // Before unsaved changes would be lost: asks whether to save them and
    // saves on "Да". False when the user keeps the skin as it is.
    bool MayDropChanges();

    // ---- skin check (QX_SE_Check.cpp)
    // Checks the package a save would write now and lists the findings.
    void CheckSkinClick();
    // Shows the finding's element in its preview, selected, with the
    // property row of the finding's key.
    void ShowFinding(const TFinding& finding);
    // Checks a saved package; the findings are listed when there are errors.
    void CheckSavedSkin(const QString& fileName);

    // Page switches.
    void TabSheet1Show();
    void TabSheet6Show();
    void TabSheet7Show();
    void TabSheet5Show();

    // Colour read-out of the magnifier.
    void spLoupe1Color(TColor color);

    // ---- previews (QX_SE_Previews.cpp, QX_SE_Loading.cpp)
    // The element controls of the three previews, by name.
    TPreviewTrees& Previews() const { return *FPreviews; }
    // The renderer and loader working on this window's previews and skin.
    TSkinRenderer Renderer();
    TSkinLoader Loader();
    // Texture rendering; the document defaults to the main document.
    void RenderElement(QWidget* element, const QImage& bitmap, TSkinProject* document = nullptr);
    void RenderNumericDisplay(const QString& key, const QImage& bitmap, TVESKNumLabel* display,
                              TSkinProject* document = nullptr);
    void RenderMainFrame();
    // Every element of one preview rendered again from its document and
    // bitmap, as after that bitmap was replaced.
    void RenderPreview(TSkinWindow window);
    void LoadEqualizer();
    void LoadTrayController(bool reload);
    void LoadLabelLook(TVESKSELabel* label, TSkinProject& document);
    QWidget* ParentPanelByName(const QString& code);
    // Rebuilds the fonts list from the package's members.
    void RefreshFontList();
    // Mouse handlers of every preview control: select, Alt-drag, release.
    void LeftbarMouseDown(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                          int X, int Y);
    void LeftBarMouseMove(QWidget* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void LeftBarMouseUp(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                        int Y);
    // Moves the element to topLeft keeping its size; with writeBounds its
    // SKIN_OBJS rectangle in its page's document follows. Every move of an
    // element by the user goes through here: a typed position, Alt-drag, the
    // middle-button and move-mode drags, the arrow keys.
    void MoveElementTo(QWidget* element, QPoint topLeft, bool writeBounds);
    // Where moving by `by` takes the element: inside its container, the
    // lower bound applied first, as Alt-drag clamps.
    static QPoint DragTarget(const QWidget* element, QPoint by);
    // Arrow keys on a preview page: the selected element, if that page holds
    // it and Alt-drag moves it, goes 1 pixel (Shift: 10) and is stored as a
    // typed position is. Answers whether the key was used.
    bool NudgeSelectedElement(QWidget* page, int key, Qt::KeyboardModifiers keys);

    // ---- element list and placement (QX_SE_Elements.cpp)
    void CheckListBox1ClickCheck(QListWidgetItem* item);
    void CheckListBox1Click();
    void SpinEdit1Change();
    void LabelSize();
    void ComboBox1Select(int index);
    void ComboBox2Select(int index);
    void Button9Click();
    // Replaces the picture the shown preview is cut from.
    void SpeedButton1Click();
    // The document of the preview page shown: placements and property edits
    // write into it.
    TSkinProject* ShownDocument() const;
    // The placement spin edits act only while set; selecting an element
    // clears it while it loads the element's values into them.
    bool PlacementArmed = false;

    // ---- property sheet (QX_SE_Properties.cpp)
    void FillMainProperties(QWidget* element);
    void FillEqualizerProperties(QWidget* element);
    void FillTrayProperties(QWidget* element);

    // ---- value editors of the property sheet and the playlist page
    // (QX_SE_ValueEditors.cpp); each asks through the dialogs and writes
    // into the given document.
    void ChooseColorValue(const TVKProperty& row, TSkinProject& document);
    void ChooseFont(const QString& key, TSkinProject& document);
    void ChooseFontColor(const QString& key, TSkinProject& document);

    // ---- property editing (QX_SE_Editing.cpp, QX_SE_RectEditing.cpp)
    // Edits the value behind the selected row of the property list, then
    // shows the element again so the sheet reads the new values.
    void ListView1DblClick();
    void EditRectProperty(const TVKProperty& row, TSkinProject& document, const QImage& bitmap);
    // The row's dependent state textures take the master's new size, each
    // keeping its own top-left corner.
    void ResizeDependentRects(const TVKProperty& row, const TRect& rect, TSkinProject& document);
    // A main window button takes the size of its resting state's texture.
    void FitButtonToState();
    // The document and bitmap each preview page works on: 0 main window,
    // 1 equalizer, 2 tray controller; nullptr while there is none.
    TSkinProject* PageDocument(int page) const;
    const QImage* PageBitmap(int page) const;
    // The preview page whose tree holds the element; the page shown for
    // anything else.
    int PreviewPageOf(const QWidget* element) const;

    // ---- texture clipboard (QX_SE_Clipboard.cpp)
    void ElementMenuPopup();
    void CopyTextureParams();
    void PasteTextureParams();

    // ---- playlist page (QX_SE_Playlist.cpp)
    // Texture boxes carry their key; each "Выбрать" picks the rectangle from
    // the main bitmap and writes it at once.
    void PickPlaylistTexture(QLineEdit* box);
    void Button28Click();
    void Button29Click();
    void Button30Click();
    void Button42Click();
    void Button44Click();
    void Button46Click();
    void CheckBox1Click();

    // ---- menu and fonts page (QX_SE_MenuPage.cpp)
    // The swatches and the sample font reach the document only when the
    // skin is saved; the icon strip and the fonts go into the package at once.
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button4Click();
    void Button15Click();
    void Button16Click(); // clear the icon strip
    void Button17Click(); // open the icon strip
    void Button18Click(); // save the icon strip
    void Button2Click();  // add a font
    void Button3Click();  // remove a font
    void PainterPaint(QPainter& canvas);
    // The one menu painter of the program.
    std::unique_ptr<TVESKMenuPainter> MenuPainter;

    // ---- colour schemes page (QX_SE_Schemes.cpp)
    // The page's show handler: photographs the main preview.
    void TakeSchemeSnapshot();
    void StoreSchemes();
    void ScrollBar1Change();
    void Button6Click(); // add
    void ListBox2Click();
    void Button7Click(); // delete
    void Button8Click(); // rename
    // The main preview as last photographed; made on first use.
    std::unique_ptr<QImage> SchemeSnapshot;

    // ---- test mode (QX_SE_TestMode.cpp)
    // "Проверка" (Ctrl+T): the previews act like the player's windows.
    // Opening, saving, checking and other pages end it first, so nothing
    // the test mode shows reaches a document or a photograph of a preview.
    QAction* TestModeAction = nullptr;
    QToolButton* TestModeButton = nullptr;
    bool InTestMode() const;
    void LeaveTestMode();
    TTestMode* TestMode() const { return FTestMode; }

    // ---- skin state
    std::unique_ptr<TSkinProject> EqDocument;
    std::unique_ptr<QImage> EqBitmap;
    std::unique_ptr<TQXSPFile> SkinFile;
    std::unique_ptr<TSkinProject> TrayDocument;
    std::unique_ptr<QImage> TrayBitmap;

    // ---- main menu, actions, status bar
    QMenuBar* MainMenu1 = nullptr;
    QAction* Action1 = nullptr; // open
    QAction* Action2 = nullptr; // save
    QAction* ExitItem = nullptr;
    QAction* AboutItem = nullptr;
    QAction* CheckItem = nullptr; // check the skin (F7)
    TSkinCheckDock* CheckDock = nullptr;
    QMenu* ElementMenu = nullptr;
    QAction* Action4 = nullptr; // copy texture parameters
    QAction* Action5 = nullptr; // paste texture parameters
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusText = nullptr;

    // ---- top bar
    QFrame* Panel6 = nullptr;
    QPushButton* Button1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Image3 = nullptr;

    // ---- pages
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // skins
    QWidget* TabSheet2 = nullptr; // playlist
    QWidget* TabSheet4 = nullptr; // menu and fonts
    QWidget* TabSheet3 = nullptr; // colour schemes
    QWidget* TabSheet8 = nullptr; // description

    // ---- skins page: element list, picture file, property sheet
    QListWidget* CheckListBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QFrame* Panel2 = nullptr; // size
    QSpinBox* SpinEdit3 = nullptr;
    QSpinBox* SpinEdit4 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;

    // ---- skins page: placement bar
    QFrame* Panel5 = nullptr; // position
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QFrame* Panel10 = nullptr; // parent panel
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button9 = nullptr;
    QFrame* Panel3 = nullptr; // tray parent panel
    QComboBox* ComboBox2 = nullptr;
    // Moves elements with a plain left-button drag, where the desktop takes
    // Alt-drag for itself.
    QToolButton* MoveModeButton = nullptr;

    // ---- skins page: previews and magnifier
    QSplitter* PreviewSplitter = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet6 = nullptr; // main window
    QWidget* TabSheet7 = nullptr; // equalizer
    QWidget* TabSheet5 = nullptr; // tray controller
    QWidget* MainCtrl = nullptr;
    QWidget* EQUA = nullptr;
    QWidget* TrayControlMain = nullptr;
    TspLoupe* spLoupe1 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLabel* RGBInfo = nullptr;
    QLabel* TransparentInfo = nullptr;

    // ---- playlist page: colours and fonts
    QFrame* Panel25 = nullptr;
    QFrame* Panel26 = nullptr;
    QFrame* Panel27 = nullptr;
    QPushButton* Button28 = nullptr;
    QPushButton* Button29 = nullptr;
    QPushButton* Button30 = nullptr;
    QPushButton* Button72 = nullptr;
    QPushButton* Button73 = nullptr;
    QPushButton* Button74 = nullptr;
    QPushButton* Button41 = nullptr;
    QPushButton* Button42 = nullptr;
    QPushButton* Button43 = nullptr;
    QPushButton* Button44 = nullptr;
    QPushButton* Button46 = nullptr;
    // ---- playlist page: texture rectangles, each a box and its "Выбрать"
    QLineEdit* Edit17 = nullptr;
    QLineEdit* Edit18 = nullptr;
    QLineEdit* Edit19 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QLineEdit* Edit22 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QLineEdit* Edit23 = nullptr;
    QLineEdit* Edit24 = nullptr;
    QLineEdit* Edit25 = nullptr;
    QLineEdit* Edit26 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit16 = nullptr;
    QLineEdit* Edit38 = nullptr;
    QLineEdit* Edit39 = nullptr;
    QPushButton* Button35 = nullptr;
    QPushButton* Button36 = nullptr;
    QPushButton* Button37 = nullptr;
    QPushButton* Button38 = nullptr;
    QPushButton* Button39 = nullptr;
    QPushButton* Button40 = nullptr;
    QPushButton* Button31 = nullptr;
    QPushButton* Button32 = nullptr;
    QPushButton* Button45 = nullptr;
    QPushButton* Button49 = nullptr;
    QPushButton* Button48 = nullptr;
    QPushButton* Button47 = nullptr;
    QPushButton* Button33 = nullptr;
    QPushButton* Button34 = nullptr;
    QPushButton* Button70 = nullptr;
    QPushButton* Button71 = nullptr;
    QCheckBox* CheckBox1 = nullptr;

    // ---- menu and fonts page
    QFrame* Panel14 = nullptr;
    QFrame* Panel15 = nullptr;
    QFrame* Panel16 = nullptr;
    QFrame* Panel19 = nullptr;
    QLabel* Panel17 = nullptr; // font sample
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button14 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button15 = nullptr;
    QFrame* MenuDrawer = nullptr;
    TPaintBox* Painter = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button16 = nullptr; // clear
    QPushButton* Button17 = nullptr; // open
    QPushButton* Button18 = nullptr; // save
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button2 = nullptr; // add font
    QPushButton* Button3 = nullptr; // remove font

    // ---- colour schemes page
    QLabel* Image2 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QPushButton* Button6 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;

    // ---- description page
    QLineEdit* Edit3 = nullptr; // author
    QLineEdit* Edit2 = nullptr; // skin name
    QPlainTextEdit* Memo1 = nullptr;

protected:
    // Takes the package and turns it into the editor's state.
    virtual void LoadSkin(std::unique_ptr<TQXSPFile> file);
    // The save window and its pipeline.
    virtual void SaveSkin();
    // The colour schemes page re-reads the schemes of a newly opened skin.
    virtual void RefreshSchemeList();
    // Appends the element controls under a preview tree to the element list.
    virtual void FillElementList(QWidget* root);
    // Selects an element as a left-button release on it would.
    virtual void SelectElementAsClick(QWidget* element);
    // The playlist page reads its settings of a newly loaded skin.
    virtual void FillPlaylistTab();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BuildHistory();
    // A skin newly opened starts a history of its own, clean.
    void ResetHistory();
    TSkinSnapshot CaptureSkin(unsigned aspects, bool before) const;
    void RestoreSkin(const TSkinSnapshot& target, const TSkinSnapshot& replaced);
    void RenderRestored(const TSkinSnapshot& target, const TSkinSnapshot& replaced);
    void ShowHistoryCaptions();
    void ConnectDescriptionPage();
    void EmptyTextureClipboard();
    void ShowPagesAndEnableSave();
    void ShowLoadReport(const QString& fileName);
    void HidePlacementPanels();
    void RemoveElementEntry(QWidget* element);
    QWidget* PreviewElement(const QString& name) const;

    void BuildActions();
    void BuildMenus();
    void BuildCheckDock();
    void BuildTopBar(QWidget* parent);
    void BuildPages(QWidget* parent);
    QWidget* BuildSkinsPage();
    QWidget* BuildElementColumn();
    QWidget* BuildPropertyColumn();
    QWidget* BuildPlacementBar();
    QToolButton* BuildTestModeButton();
    void TestModeToggled(bool on);
    QWidget* BuildPreviews();
    QWidget* BuildMagnifier();
    QWidget* BuildPlaylistPage();
    QWidget* BuildPlaylistColours();
    QWidget* BuildPlaylistTabFonts();
    QWidget* BuildPlaylistTextures();
    QWidget* BuildMenuPage();
    QWidget* BuildMenuColours();
    QWidget* BuildMenuIcons();
    QWidget* BuildSkinFonts();
    QWidget* BuildSchemesPage();
    QWidget* BuildDescriptionPage();
    void ConnectMagnifier();
    void BuildPreviewTrees();
    void LoadImageList(TQXSPFile& package);
    void ReadMenuLooks(TSkinProject& document);
    void ShowSkinHeader(TQXSPFile& package);

    void ConnectElementPage();
    void ConnectPlaylistPage();
    void ConnectMenuPage();
    void ConnectSchemesPage();
    void ChoosePlaylistColor(QFrame* swatch, const QString& key);
    void ChooseMenuColor(QFrame* swatch);
    TPropertySheetView PropertySheetView() const;

    void ConnectPropertyEditing();
    // The row's own editor, as one step of the history.
    void EditPropertyRow(const TVKProperty& row, TSkinProject& document, const QImage& bitmap);
    void EditIntegerValue(const TVKProperty& row, TSkinProject& document);
    void ReloadSelectedLabel(TSkinProject& document);
    void FollowRectEdit(QWidget* element, const TVKProperty& row, const TRect& rect,
                        TSkinProject& document, const QImage& bitmap);

    void ConnectTextureClipboard();
    bool CanCopyTextureParams() const;
    bool CanPasteTextureParams() const;
    // What the copy command remembered: the element itself, read when
    // pasting, with its name, kind and preview page. Kind 0 means empty,
    // as no element takes part with that kind.
    struct TTextureClipboard {
        QString Name;
        int Kind = 0;
        int Page = 0;
        QPointer<QWidget> Element;
    };
    TTextureClipboard FTextureClipboard;

    // Alt-drag: set from the press on a draggable element to its release;
    // the origin is the grabbed point in the element.
    bool FDragging = false;
    QPoint FDragOrigin;

    int FEditDepth = 0;
    bool FRestoring = false;
    // The page values as the history last saw them: the text fields have
    // changed already when they report an edit.
    std::unique_ptr<TPageState> FPageValues;

    std::unique_ptr<TPreviewTrees> FPreviews;
    TTestMode* FTestMode = nullptr; // made on first use, owned as a child
    std::unique_ptr<IEditorDialogs> FOwnDialogs;
    IEditorDialogs* FDialogs = nullptr;
};

// The main window while it exists.
extern TQXForm* QXForm;
