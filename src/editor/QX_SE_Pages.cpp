// The tool pages: playlist appearance, menu and fonts, colour schemes.

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editor/PaintBox.h"
#include "editor/QX_SE.h"
#include "editor/QX_SE_Build.h"

using namespace qxform;

namespace {

// One texture rectangle of the playlist: a read-only box showing the
// rectangle and a button that picks it from the main bitmap.
struct TTextureRow {
    QLineEdit* TQXForm::*Edit;
    QPushButton* TQXForm::*Button;
    const char* EditName;
    const char* ButtonName;
    const char* Caption;
    const char* Key;
};

struct TTextureGroup {
    const char* Title;
    std::initializer_list<TTextureRow> Rows;
};

const TTextureGroup FrameGroup = {
    "Текстуры - рамка",
    {
        {&TQXForm::Edit17, &TQXForm::Button35, "Edit17", "Button35", "Верх", "PLSTOP"},
        {&TQXForm::Edit18, &TQXForm::Button36, "Edit18", "Button36", "Низ", "PLSBTM"},
        {&TQXForm::Edit19, &TQXForm::Button37, "Edit19", "Button37", "Левый бок", "PLSLEFT"},
        {&TQXForm::Edit20, &TQXForm::Button38, "Edit20", "Button38", "Правый бок", "PLSRIGHT"},
    }};

const TTextureGroup TabGroup = {
    "Текстуры - табы (используются при использовании TabCtrl) ",
    {
        {&TQXForm::Edit21, &TQXForm::Button39, "Edit21", "Button39", "Активная:", "TAB_ACT"},
        {&TQXForm::Edit22, &TQXForm::Button40, "Edit22", "Button40", "Обычная:", "TAB_BK"},
    }};

const TTextureGroup ScrollGroup = {"Текстуры - скроллер ",
                                   {
                                       {&TQXForm::Edit13, &TQXForm::Button31, "Edit13", "Button31",
                                        "Кнопка \"вверх\" - обычная:", "SCROLLUP_NRM"},
                                       {&TQXForm::Edit14, &TQXForm::Button32, "Edit14", "Button32",
                                        "Кнопка \"вверх\" - активная:", "SCROLLUP_SEL"},
                                       {&TQXForm::Edit23, &TQXForm::Button45, "Edit23", "Button45",
                                        "Кнопка \"вверх\" - нажатая:", "SCROLLUP_DWN"},
                                       {&TQXForm::Edit24, &TQXForm::Button49, "Edit24", "Button49",
                                        "Кнопка \"вниз\" - обычная:", "SCROLLDOWN_NRM"},
                                       {&TQXForm::Edit25, &TQXForm::Button48, "Edit25", "Button48",
                                        "Кнопка \"вниз\" - активная:", "SCROLLDOWN_SEL"},
                                       {&TQXForm::Edit26, &TQXForm::Button47, "Edit26", "Button47",
                                        "Кнопка \"вниз\" - нажатая:", "SCROLLDOWN_DWN"},
                                       {&TQXForm::Edit15, &TQXForm::Button33, "Edit15", "Button33",
                                        "Основная область", "SCROLLSLIDER_BK"},
                                       {&TQXForm::Edit16, &TQXForm::Button34, "Edit16", "Button34",
                                        "Кнопка \"скролл\"", "SCROLLSLIDER_THM"},
                                   }};

const TTextureGroup TrackGroup = {" Статус трека в плэйлисте (вкл/откл) ",
                                  {
                                      {&TQXForm::Edit38, &TQXForm::Button70, "Edit38", "Button70",
                                       "Включенный трек:", "PLS_CHECK"},
                                      {&TQXForm::Edit39, &TQXForm::Button71, "Edit39", "Button71",
                                       "Отключенный трек:", "PLS_UNCHECK"},
                                  }};

// Pages hold more than the smallest window shows; they scroll instead of
// squeezing their rows.
QWidget* Scrolling(const QString& name, QWidget* content) {
    auto* scroll = Named<QScrollArea>(name);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

QPushButton* ChooseButton(const QString& name) {
    return MakeButton(name, QStringLiteral("Выбрать"));
}

} // namespace

// ---------------------------------------------------------- playlist page

QWidget* TQXForm::BuildPlaylistPage() {
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildPlaylistColours());
    left->addWidget(BuildPlaylistTabFonts());
    left->addStretch(1);
    columns->addLayout(left);
    columns->addWidget(BuildPlaylistTextures());
    columns->addStretch(1);
    return Scrolling(QStringLiteral("TabSheet2"), content);
}

QWidget* TQXForm::BuildPlaylistColours() {
    auto* group = MakeGroup(QString());
    auto* grid = new QGridLayout(group);
    struct TColourRow {
        QFrame* TQXForm::*Swatch;
        QPushButton* TQXForm::*Colour;
        QPushButton* TQXForm::*Font;
        const char* Names[3];
        const char* Caption;
    };
    static const TColourRow rows[] = {
        {&TQXForm::Panel25,
         &TQXForm::Button28,
         &TQXForm::Button72,
         {"Panel25", "Button28", "Button72"},
         "Фон плэйлиста"},
        {&TQXForm::Panel26,
         &TQXForm::Button29,
         &TQXForm::Button73,
         {"Panel26", "Button29", "Button73"},
         "Выбранный "},
        {&TQXForm::Panel27,
         &TQXForm::Button30,
         &TQXForm::Button74,
         {"Panel27", "Button30", "Button74"},
         "Проигрываемый "},
    };
    int line = 0;
    for (const TColourRow& row : rows) {
        const QString caption = QString::fromUtf8(row.Caption);
        this->*row.Swatch = MakeSwatch(QString::fromUtf8(row.Names[0]), caption);
        this->*row.Colour = MakeButton(QString::fromUtf8(row.Names[1]), QStringLiteral("Цвет"));
        this->*row.Font = MakeButton(QString::fromUtf8(row.Names[2]), QStringLiteral("Шрифт"));
        grid->addWidget(new QLabel(caption), line, 0);
        grid->addWidget(this->*row.Swatch, line, 1);
        grid->addWidget(this->*row.Colour, line, 2);
        grid->addWidget(this->*row.Font, line, 3);
        ++line;
    }
    return group;
}

QWidget* TQXForm::BuildPlaylistTabFonts() {
    auto* group = MakeGroup(QString());
    auto* grid = new QGridLayout(group);
    Button41 = MakeButton(QStringLiteral("Button41"), QStringLiteral("Шрифт пункта: обычный"));
    Button42 = MakeButton(QStringLiteral("Button42"), QStringLiteral("Цвет шрифта"));
    Button43 = MakeButton(QStringLiteral("Button43"), QStringLiteral("Шрифт пункта: активный"));
    Button44 = MakeButton(QStringLiteral("Button44"), QStringLiteral("Цвет шрифта"));
    Button46 = MakeButton(QStringLiteral("Button46"), QStringLiteral("Цвет шрифта текущего таба"));
    grid->addWidget(Button41, 0, 0);
    grid->addWidget(Button42, 0, 1);
    grid->addWidget(Button43, 1, 0);
    grid->addWidget(Button44, 1, 1);
    grid->addWidget(Button46, 2, 0, 1, 2);
    return group;
}

QWidget* TQXForm::BuildPlaylistTextures() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    const auto groups = {&FrameGroup, &TabGroup, &ScrollGroup, &TrackGroup};
    // One caption width for all groups, so the boxes line up down the page.
    int captionWidth = 0;
    for (const TTextureGroup* textures : groups) {
        for (const TTextureRow& row : textures->Rows)
            captionWidth = std::max(
                captionWidth, fontMetrics().horizontalAdvance(QString::fromUtf8(row.Caption)));
    }
    for (const TTextureGroup* textures : groups) {
        auto* group = MakeGroup(QString::fromUtf8(textures->Title));
        auto* grid = new QGridLayout(group);
        grid->setColumnMinimumWidth(0, captionWidth + 8);
        int line = 0;
        for (const TTextureRow& row : textures->Rows) {
            auto* edit = Named<QLineEdit>(QString::fromUtf8(row.EditName));
            edit->setReadOnly(true);
            edit->setProperty("SkinKey", QString::fromLatin1(row.Key));
            edit->setMinimumWidth(110);
            auto* button = ChooseButton(QString::fromUtf8(row.ButtonName));
            this->*row.Edit = edit;
            this->*row.Button = button;
            grid->addWidget(MakeLabelFor(QString::fromUtf8(row.Caption), edit), line, 0);
            grid->addWidget(edit, line, 1);
            grid->addWidget(button, line, 2);
            ++line;
        }
        if (textures == &ScrollGroup) {
            CheckBox1 = Named<QCheckBox>(
                QStringLiteral("CheckBox1"),
                QStringLiteral("Скрывать скролл, если плейлист не нуждается в прокрутке"));
            CheckBox1->setChecked(true);
            grid->addWidget(CheckBox1, line, 0, 1, 3);
        }
        column->addWidget(group);
    }
    column->addStretch(1);
    return box;
}

// ------------------------------------------------------ menu and fonts page

QWidget* TQXForm::BuildMenuPage() {
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildMenuColours());
    left->addStretch(1);
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildMenuIcons());
    right->addWidget(BuildSkinFonts(), 1);
    columns->addLayout(right, 1);
    return Scrolling(QStringLiteral("TabSheet4"), content);
}

QWidget* TQXForm::BuildMenuColours() {
    auto* group = MakeGroup(QString());
    auto* grid = new QGridLayout(group);
    struct TSwatchRow {
        QFrame* TQXForm::*Swatch;
        QPushButton* TQXForm::*Button;
        const char* SwatchName;
        const char* ButtonName;
        const char* Caption;
    };
    static const TSwatchRow rows[] = {
        {&TQXForm::Panel14, &TQXForm::Button12, "Panel14", "Button12", "Место для иконок"},
        {&TQXForm::Panel15, &TQXForm::Button13, "Panel15", "Button13", "Пункт меню: обычный"},
        {&TQXForm::Panel16, &TQXForm::Button14, "Panel16", "Button14", "Пункт меню: выбранный"},
        {&TQXForm::Panel19, &TQXForm::Button4, "Panel19", "Button4", "Пункт меню: рамочка"},
    };
    int line = 0;
    for (const TSwatchRow& row : rows) {
        const QString caption = QString::fromUtf8(row.Caption);
        this->*row.Swatch = MakeSwatch(QString::fromUtf8(row.SwatchName), caption);
        this->*row.Button = ChooseButton(QString::fromUtf8(row.ButtonName));
        grid->addWidget(new QLabel(caption), line, 0);
        grid->addWidget(this->*row.Swatch, line, 1);
        grid->addWidget(this->*row.Button, line, 2);
        ++line;
    }

    // The sample carries the menu font itself, so it shows what it holds.
    Panel17 = Named<QLabel>(QStringLiteral("Panel17"), QStringLiteral("Item"));
    Panel17->setFrameShape(QFrame::Panel);
    Panel17->setFrameShadow(QFrame::Sunken);
    Panel17->setAlignment(Qt::AlignCenter);
    Panel17->setMinimumSize(80, 21);
    Button15 = ChooseButton(QStringLiteral("Button15"));
    grid->addWidget(MakeLabelFor(QStringLiteral("Шрифт пункта меню"), Panel17), line, 0);
    grid->addWidget(Panel17, line, 1);
    grid->addWidget(Button15, line, 2);
    ++line;

    MenuDrawer = Named<QFrame>(QStringLiteral("MenuDrawer"));
    MenuDrawer->setFrameShape(QFrame::Box);
    auto* drawerColumn = new QVBoxLayout(MenuDrawer);
    drawerColumn->setContentsMargins(1, 1, 1, 1);
    Painter = Named<TPaintBox>(QStringLiteral("Painter"));
    // Six menu items of 20 pixels each.
    Painter->setFixedHeight(6 * 20);
    Painter->setMinimumWidth(180);
    drawerColumn->addWidget(Painter);
    grid->addWidget(MenuDrawer, line, 0, 1, 3);
    return group;
}

QWidget* TQXForm::BuildMenuIcons() {
    auto* group = MakeGroup(QStringLiteral(" Иконки для меню "));
    auto* column = new QVBoxLayout(group);
    Image1 = Named<QLabel>(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* strip = new QScrollArea;
    strip->setWidget(Image1);
    strip->setWidgetResizable(true);
    // The default strip is 16 pixels high; room for it and a scroll bar.
    strip->setFixedHeight(48);
    column->addWidget(strip);
    auto* buttons = new QHBoxLayout;
    Button17 = MakeButton(QStringLiteral("Button17"), QStringLiteral("Открыть"));
    Button18 = MakeButton(QStringLiteral("Button18"), QStringLiteral("Сохранить"));
    Button16 = MakeButton(QStringLiteral("Button16"), QStringLiteral("Очистить"));
    buttons->addWidget(Button17);
    buttons->addWidget(Button18);
    buttons->addWidget(Button16);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return group;
}

QWidget* TQXForm::BuildSkinFonts() {
    auto* group = MakeGroup(QStringLiteral(" Шрифты для обложки "));
    auto* column = new QVBoxLayout(group);
    auto* note = new QLabel(QStringLiteral("Если для обложки необходимы нестандартные шрифты, "
                                           "то необходимо их добавить в пакет:"));
    note->setWordWrap(true);
    column->addWidget(note);
    ListBox1 = Named<QListWidget>(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Шрифты для обложки"));
    column->addWidget(ListBox1, 1);
    auto* buttons = new QHBoxLayout;
    Button2 = MakeButton(QStringLiteral("Button2"), QStringLiteral("Добавить"));
    Button3 = MakeButton(QStringLiteral("Button3"), QStringLiteral("Удалить"));
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return group;
}

// ----------------------------------------------------- colour schemes page

QWidget* TQXForm::BuildSchemesPage() {
    auto* page = Named<QWidget>(QStringLiteral("TabSheet3"));
    auto* columns = new QHBoxLayout(page);

    Image2 = Named<QLabel>(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* preview = new QScrollArea;
    preview->setWidget(Image2);
    preview->setWidgetResizable(true);
    columns->addWidget(preview, 1);

    auto* side = new QVBoxLayout;
    auto* tuning = MakeGroup(QStringLiteral(" Настройка  цветовой схемы "));
    auto* tuningColumn = new QVBoxLayout(tuning);
    ScrollBar1 = Named<QScrollBar>(QStringLiteral("ScrollBar1"), Qt::Horizontal);
    ScrollBar1->setRange(-200, 200);
    ScrollBar1->setPageStep(1);
    ScrollBar1->setValue(0);
    ScrollBar1->setAccessibleName(QStringLiteral("Настройка цветовой схемы"));
    Button6 = MakeButton(QStringLiteral("Button6"), QStringLiteral("Добавить цветовую схему"));
    tuningColumn->addWidget(ScrollBar1);
    tuningColumn->addWidget(Button6);
    side->addWidget(tuning);

    auto* schemes = MakeGroup(QStringLiteral(" Цветовые схемы "));
    auto* schemesColumn = new QVBoxLayout(schemes);
    ListBox2 = Named<QListWidget>(QStringLiteral("ListBox2"));
    ListBox2->setAccessibleName(QStringLiteral("Цветовые схемы"));
    schemesColumn->addWidget(ListBox2, 1);
    auto* buttons = new QHBoxLayout;
    Button7 = MakeButton(QStringLiteral("Button7"), QStringLiteral("Удалить"));
    Button8 = MakeButton(QStringLiteral("Button8"), QStringLiteral("Переименовать"));
    buttons->addWidget(Button7);
    buttons->addWidget(Button8);
    schemesColumn->addLayout(buttons);
    side->addWidget(schemes, 1);

    auto* sideBox = new QWidget;
    sideBox->setFixedWidth(240);
    sideBox->setLayout(side);
    side->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(sideBox);
    return page;
}
