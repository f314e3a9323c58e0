// The window's frame and its "Шкурки " and description pages.

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "editor/QX_SE_Art.h"
#include "editor/QX_SE_Build.h"
#include "tools/spLoupe.h"

using namespace qxform;

namespace {

const QSize PictureButtonSize(81, 73);
const QSize LogoSize(358, 94);
constexpr int TopBarHeight = 97;
constexpr int SideColumnWidth = 200;
constexpr int MagnifierHeight = 170;

QToolButton* MakePictureButton(const QString& name, const QPixmap& picture, const QString& hint) {
    auto* button = Named<QToolButton>(name);
    button->setFixedSize(PictureButtonSize);
    button->setIcon(picture);
    button->setIconSize(picture.size());
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

QHBoxLayout* Row(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(4, 2, 4, 2);
    return row;
}

QScrollArea* MakePreviewPage(const QString& name, QWidget* container) {
    auto* scroll = Named<QScrollArea>(name);
    scroll->setWidget(container);
    scroll->setWidgetResizable(false);
    return scroll;
}

} // namespace

void TQXForm::BuildTopBar(QWidget* parent) {
    Panel6 = Named<QFrame>(QStringLiteral("Panel6"), parent);
    Panel6->setFixedHeight(TopBarHeight);
    auto* column = new QVBoxLayout(Panel6);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 0, 0);
    column->addLayout(row, 1);

    const QSize pictureSize = PictureButtonSize - QSize(14, 14);
    Button1 = Named<QPushButton>(QStringLiteral("Button1"));
    Button1->setFixedSize(PictureButtonSize);
    Button1->setIcon(MakeOpenPicture(pictureSize));
    Button1->setIconSize(pictureSize);
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setToolTip(QStringLiteral("Открыть обложку"));
    Button1->setAccessibleName(QStringLiteral("Открыть обложку"));
    connect(Button1, &QPushButton::clicked, this, &TQXForm::Button1Click);

    SpeedButton2 = MakePictureButton(QStringLiteral("SpeedButton2"), MakeSavePicture(pictureSize),
                                     QStringLiteral("Сохранить обложку"));
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setEnabled(false);
    connect(SpeedButton2, &QToolButton::clicked, this, &TQXForm::SpeedButton2Click);

    Image3 = Named<QLabel>(QStringLiteral("Image3"));
    Image3->setFixedSize(LogoSize);
    Image3->setPixmap(MakeLogoPicture(LogoSize));
    Image3->setAlignment(Qt::AlignCenter);

    row->addWidget(Button1, 0, Qt::AlignVCenter);
    row->addWidget(SpeedButton2, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(Image3, 0, Qt::AlignVCenter);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
}

void TQXForm::BuildPages(QWidget* parent) {
    PageControl1 = Named<QTabWidget>(QStringLiteral("PageControl1"), parent);
    // Hidden until a skin has been loaded: there is nothing to edit before.
    PageControl1->setVisible(false);

    TabSheet1 = BuildSkinsPage();
    TabSheet2 = BuildPlaylistPage();
    TabSheet4 = BuildMenuPage();
    TabSheet3 = BuildSchemesPage();
    TabSheet8 = BuildDescriptionPage();
    PageControl1->addTab(TabSheet1, QStringLiteral("Шкурки "));
    PageControl1->addTab(TabSheet2, QStringLiteral("Плэйлист"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Меню, шрифты"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Цветовые схемы"));
    PageControl1->addTab(TabSheet8, QStringLiteral("Описание к шкурке"));

    for (QWidget* page : {TabSheet1, TabSheet6, TabSheet7, TabSheet5, TabSheet3})
        page->installEventFilter(this);
}

// ------------------------------------------------------------ skins page

QWidget* TQXForm::BuildSkinsPage() {
    auto* page = Named<QWidget>(QStringLiteral("TabSheet1"));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildElementColumn());
    columns->addWidget(BuildPreviews(), 1);
    columns->addWidget(BuildPropertyColumn());
    column->addLayout(columns, 1);
    column->addWidget(BuildPlacementBar());
    return page;
}

QWidget* TQXForm::BuildElementColumn() {
    auto* box = new QWidget;
    box->setFixedWidth(160);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    CheckListBox1 = Named<QListWidget>(QStringLiteral("CheckListBox1"));
    column->addWidget(MakeLabelFor(QStringLiteral("Объекты"), CheckListBox1));
    column->addWidget(CheckListBox1, 1);
    return box;
}

QWidget* TQXForm::BuildPropertyColumn() {
    auto* box = new QWidget;
    box->setFixedWidth(SideColumnWidth);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* skinGroup = MakeGroup(QStringLiteral(" Обложка  "));
    auto* skinColumn = new QVBoxLayout(skinGroup);
    Edit1 = Named<QLineEdit>(QStringLiteral("Edit1"));
    Edit1->setEnabled(false);
    SpeedButton1 = Named<QToolButton>(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("..."));
    skinColumn->addWidget(MakeLabelFor(QStringLiteral("Файл с картинками:"), Edit1));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Edit1, 1);
    fileRow->addWidget(SpeedButton1);
    skinColumn->addLayout(fileRow);
    column->addWidget(skinGroup);

    GroupBox2 = MakeGroup(QStringLiteral(" Объект "), QStringLiteral("GroupBox2"));
    auto* objectColumn = new QVBoxLayout(GroupBox2);
    ListView1 = Named<QTreeWidget>(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Grid lines: one between every row and column. With a style sheet the
    // row chosen while another widget has the focus (a finding's row) would
    // be drawn in the highlighted text's colour on no highlight at all:
    // it is shown in the text colour on a quiet highlight.
    ListView1->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid #c0c0c0; border-bottom: 1px solid #c0c0c0; }"
        "QTreeView::item:selected:!active { color: palette(text); background: palette(midlight); }"));
    // A style sheet fixes the font a widget has when it is set; the list
    // is not in the window yet, so it is given the window's.
    ListView1->setFont(font());
    ListView1->setHeaderLabels({QStringLiteral("Свойство"), QStringLiteral("Значение")});
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionResizeMode(QHeaderView::Interactive);
    // Wide enough for the longest caption and value in the window's font;
    // the user can widen either.
    const QFontMetrics metrics(font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    ListView1->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("SelectedFontColor")) +
                                     padding);
    ListView1->setColumnWidth(1,
                              metrics.horizontalAdvance(QStringLiteral("0,206,338,226")) + padding);
    // The column holds both without scrolling: the list's frame, its
    // scroll bar and the group's margins besides.
    const int sheetWidth = ListView1->columnWidth(0) + ListView1->columnWidth(1) +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 40;
    box->setFixedWidth(std::max(SideColumnWidth, sheetWidth));
    ListView1->setToolTip(QStringLiteral("DblClick - редактирование свойства"));
    ListView1->setAccessibleName(QStringLiteral("Объект"));
    objectColumn->addWidget(ListView1, 1);

    Panel2 = Named<QFrame>(QStringLiteral("Panel2"));
    auto* sizeGrid = new QGridLayout(Panel2);
    sizeGrid->setContentsMargins(0, 2, 0, 2);
    SpinEdit3 = MakeFreeSpin(QStringLiteral("SpinEdit3"));
    SpinEdit4 = MakeFreeSpin(QStringLiteral("SpinEdit4"));
    SpinEdit5 = MakeFreeSpin(QStringLiteral("SpinEdit5"));
    SpinEdit6 = MakeFreeSpin(QStringLiteral("SpinEdit6"));
    sizeGrid->addWidget(MakeLabelFor(QStringLiteral("L:"), SpinEdit3), 0, 0);
    sizeGrid->addWidget(SpinEdit3, 0, 1);
    sizeGrid->addWidget(MakeLabelFor(QStringLiteral("T:"), SpinEdit4), 0, 2);
    sizeGrid->addWidget(SpinEdit4, 0, 3);
    sizeGrid->addWidget(MakeLabelFor(QStringLiteral("W:"), SpinEdit5), 1, 0);
    sizeGrid->addWidget(SpinEdit5, 1, 1);
    sizeGrid->addWidget(MakeLabelFor(QStringLiteral("H:"), SpinEdit6), 1, 2);
    sizeGrid->addWidget(SpinEdit6, 1, 3);
    Panel2->hide();
    objectColumn->addWidget(Panel2);
    column->addWidget(GroupBox2, 1);
    return box;
}

QWidget* TQXForm::BuildPlacementBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);

    Panel5 = Named<QFrame>(QStringLiteral("Panel5"));
    auto* position = Row(Panel5);
    SpinEdit1 = MakeFreeSpin(QStringLiteral("SpinEdit1"));
    SpinEdit2 = MakeFreeSpin(QStringLiteral("SpinEdit2"));
    position->addWidget(new QLabel(QStringLiteral("Позиция объекта")));
    position->addWidget(MakeLabelFor(QStringLiteral("L:"), SpinEdit1));
    position->addWidget(SpinEdit1);
    position->addWidget(MakeLabelFor(QStringLiteral("T:"), SpinEdit2));
    position->addWidget(SpinEdit2);

    Panel10 = Named<QFrame>(QStringLiteral("Panel10"));
    auto* parentRow = Row(Panel10);
    ComboBox1 = Named<QComboBox>(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("MAIN PANEL"), QStringLiteral("PLAYLIST TOP PANEL"),
                         QStringLiteral("PLAYLIST BTM PANEL"), QStringLiteral("RIGHT BORDER"),
                         QStringLiteral("LEFT BORDER")});
    parentRow->addWidget(MakeLabelFor(QStringLiteral("Принадлежность объекта:"), ComboBox1));
    parentRow->addWidget(ComboBox1);

    Button9 = MakeButton(QStringLiteral("Button9"), QStringLiteral("Переместить вверх "));

    Panel3 = Named<QFrame>(QStringLiteral("Panel3"));
    auto* trayRow = Row(Panel3);
    ComboBox2 = Named<QComboBox>(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("Main TC_Window"), QStringLiteral("Drop TC_Window")});
    trayRow->addWidget(MakeLabelFor(QStringLiteral("Принадлежность объекта:"), ComboBox2));
    trayRow->addWidget(ComboBox2);

    // Which of these the selected element needs is decided when it is selected.
    for (QWidget* widget : std::initializer_list<QWidget*>{Panel5, Panel10, Button9, Panel3}) {
        widget->hide();
        row->addWidget(widget);
    }
    row->addStretch(1);
    MoveModeButton = Named<QToolButton>(QStringLiteral("MoveModeButton"));
    MoveModeButton->setText(QStringLiteral("Перемещение"));
    MoveModeButton->setCheckable(true);
    MoveModeButton->setToolTip(
        QStringLiteral("Перемещать объекты мышью без Alt.\n"
                       "Так же перемещают: перетаскивание средней кнопкой мыши или с зажатым Alt; "
                       "стрелки сдвигают выделенный объект на 1 пиксель, Shift+стрелки — на 10."));
    row->addWidget(MoveModeButton);
    row->addWidget(BuildTestModeButton());
    return bar;
}

QWidget* TQXForm::BuildPreviews() {
    PageControl2 = Named<QTabWidget>(QStringLiteral("PageControl2"));
    PageControl2->setDocumentMode(true);

    MainCtrl = Named<QWidget>(QStringLiteral("MainCtrl"));
    EQUA = Named<QWidget>(QStringLiteral("EQUA"));
    TrayControlMain = Named<QWidget>(QStringLiteral("TrayControlMain"));
    TabSheet6 = MakePreviewPage(QStringLiteral("TabSheet6"), MainCtrl);
    TabSheet7 = MakePreviewPage(QStringLiteral("TabSheet7"), EQUA);
    TabSheet5 = MakePreviewPage(QStringLiteral("TabSheet5"), TrayControlMain);
    PageControl2->addTab(TabSheet6, QStringLiteral("Главное окно"));
    PageControl2->addTab(TabSheet7, QStringLiteral("Окно эквалайзера"));
    PageControl2->addTab(TabSheet5, QStringLiteral("Трей Контроллер"));

    PreviewSplitter = Named<QSplitter>(QStringLiteral("PreviewSplitter"), Qt::Vertical);
    PreviewSplitter->addWidget(PageControl2);
    PreviewSplitter->addWidget(BuildMagnifier());
    PreviewSplitter->setStretchFactor(0, 1);
    PreviewSplitter->setStretchFactor(1, 0);
    PreviewSplitter->setSizes({DefaultHeight, MagnifierHeight});
    return PreviewSplitter;
}

QWidget* TQXForm::BuildMagnifier() {
    auto* box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(2, 2, 2, 2);
    spLoupe1 = Named<TspLoupe>(QStringLiteral("spLoupe1"));
    spLoupe1->setMinimumSize(40, 40);
    spLoupe1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(spLoupe1, 1);

    auto* side = new QVBoxLayout;
    SpinEdit7 = Named<QSpinBox>(QStringLiteral("SpinEdit7"));
    SpinEdit7->setRange(2, 20);
    SpinEdit7->setValue(2);
    CheckBox2 = Named<QCheckBox>(QStringLiteral("CheckBox2"), QStringLiteral("Захватывать"));
    CheckBox2->setChecked(true);
    RGBInfo = Named<QLabel>(QStringLiteral("RGBInfo"));
    RGBInfo->setWordWrap(true);
    RGBInfo->setMinimumWidth(90);
    TransparentInfo =
        Named<QLabel>(QStringLiteral("TransparentInfo"), QStringLiteral("Прозрачный"));
    TransparentInfo->hide();
    side->addWidget(MakeLabelFor(QStringLiteral("Масштаб:"), SpinEdit7));
    side->addWidget(SpinEdit7);
    side->addWidget(CheckBox2);
    side->addWidget(RGBInfo);
    side->addWidget(TransparentInfo);
    side->addStretch(1);
    row->addLayout(side);
    return box;
}

void TQXForm::ConnectMagnifier() {
    spLoupe1->SetZoomLevel(SpinEdit7->value());
    spLoupe1->SetActive(true);
    connect(SpinEdit7, &QSpinBox::valueChanged, this,
            [this](int zoom) { Guarded(this, [this, zoom] { spLoupe1->SetZoomLevel(zoom); }); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool checked) {
        Guarded(this, [this, checked] { spLoupe1->SetHold(checked); });
    });
    connect(spLoupe1, &TspLoupe::OnColor, this, &TQXForm::spLoupe1Color);
}

void TQXForm::spLoupe1Color(TColor color) {
    Guarded(this, [this, color] {
        RGBInfo->setText(QString::asprintf("#%d\r\nR: %d\r\nG: %d\r\nB: %d", color,
                                           GetRValue(color), GetGValue(color), GetBValue(color)));
        TransparentInfo->setVisible(color == 16711935);
    });
}

// ------------------------------------------------------- description page

QWidget* TQXForm::BuildDescriptionPage() {
    auto* page = Named<QWidget>(QStringLiteral("TabSheet8"));
    auto* column = new QVBoxLayout(page);

    auto* names = MakeGroup(QStringLiteral(" Автор и имя обложки "));
    auto* form = new QFormLayout(names);
    Edit3 = Named<QLineEdit>(QStringLiteral("Edit3"));
    Edit2 = Named<QLineEdit>(QStringLiteral("Edit2"));
    // The package header holds 32 characters for each.
    Edit3->setMaxLength(32);
    Edit2->setMaxLength(32);
    form->addRow(MakeLabelFor(QStringLiteral("Автор:"), Edit3), Edit3);
    form->addRow(MakeLabelFor(QStringLiteral("Имя обложки:"), Edit2), Edit2);
    column->addWidget(names);

    auto* description = MakeGroup(QStringLiteral(" Описание к шкурке "));
    auto* memoColumn = new QVBoxLayout(description);
    Memo1 = Named<QPlainTextEdit>(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QStringLiteral("(описания нет)"));
    Memo1->setAccessibleName(QStringLiteral("Описание к шкурке"));
    memoColumn->addWidget(Memo1);
    column->addWidget(description, 1);
    return page;
}
