#include <functional>

#include <QComboBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "TestRegistry.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PropertySheet.h"
#include "text/SkinProject.h"

namespace {

using TWindowFill = void (*)(const TPropertySheetView&, QWidget*, TSkinProject&);

// The sheet with its side controls, standing alone.
struct TSheet {
    QWidget Owner;
    TPropertySheetView View;

    TSheet() {
        View.List = new QTreeWidget(&Owner);
        View.List->setColumnCount(2); // caption and value, as the window's
        View.List->header()->setStretchLastSection(false);
        View.MoveUpButton = new QWidget(&Owner);
        View.GeometryPanel = new QWidget(&Owner);
        for (QSpinBox** spin :
             {&View.GeometryLeft, &View.GeometryTop, &View.GeometryWidth, &View.GeometryHeight}) {
            *spin = new QSpinBox(&Owner);
            (*spin)->setRange(INT_MIN, INT_MAX);
        }
        View.ParentPanel = new QWidget(&Owner);
        View.ParentSelector = new QComboBox(&Owner);
        View.ParentSelector->addItems({"MAIN PANEL", "PLAYLIST TOP PANEL", "PLAYLIST BTM PANEL",
                                       "RIGHT BORDER", "LEFT BORDER"});
        View.TrayPanel = new QWidget(&Owner);
        View.TraySelector = new QComboBox(&Owner);
        View.TraySelector->addItems({"Main TC_Window", "Drop TC_Window"});
        // As the window leaves them before a fill.
        for (QWidget* panel :
             {View.MoveUpButton, View.GeometryPanel, View.ParentPanel, View.TrayPanel})
            panel->hide();
    }

    // One line per row: caption=value section/key type, then "dependent" or
    // the dependent keys after ">".
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < View.List->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = View.List->topLevelItem(i);
            const TVKProperty* p = PropertyOf(item);
            if (!p)
                return {QStringLiteral("row without record")};
            QString row = item->text(0) + u'=' + item->text(1) + u' ' + p->Section + u'/' + p->Key +
                          u' ' + p->TypeName;
            if (p->Value != item->text(1))
                row += QStringLiteral(" value differs");
            if (p->IsDependent)
                row += QStringLiteral(" dependent");
            if (!p->DependentKeys.isEmpty())
                row += QStringLiteral(" >") + p->DependentKeys.join(u',');
            rows << row;
        }
        return rows;
    }
};

// An element control under a container of the given name.
struct TScene {
    QWidget Root;
    QWidget* Container = nullptr;
    QWidget* Element = nullptr;

    TScene(const QString& containerName, const QString& name, ElementKind kind) {
        Container = new TVESKSEPanel(&Root);
        Container->setObjectName(containerName);
        QWidget* element = nullptr;
        TElementControl* control = nullptr;
        if (kind == ElementKind::TextLabel || kind == ElementKind::ListBox) {
            auto* label = new TVESKSELabel(Container);
            label->SetAutoSize(false);
            element = label;
            control = label;
        } else if (kind == ElementKind::NumericDisplay) {
            auto* digits = new TVESKSENumLabel(Container);
            element = digits;
            control = digits;
        } else {
            auto* skin = new TVESKSEPanel(Container);
            element = skin;
            control = skin;
        }
        control->SetName(name);
        control->Tag = int(kind);
        control->SetBounds(7, 9, 40, 12);
        Element = element;
    }
};

using TIniValues = QList<QStringList>; // section, key, value

} // namespace

Q_DECLARE_METATYPE(TWindowFill)

class TestPropertySheet : public QObject {
    Q_OBJECT

private slots:
    void rowsOfEachElement_data() {
        QTest::addColumn<TWindowFill>("fill");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<TIniValues>("ini");
        QTest::addColumn<QStringList>("rows");
        const TWindowFill main = FillMainProperties;
        const TWindowFill eq = FillEqualizerProperties;
        const TWindowFill tray = FillTrayProperties;
        using K = ElementKind;

        // Four-figure values on a large sheet: the column must widen for them.
        QTest::newRow("tab strip: its texture, not a kind's rows")
            << main << "PlaylistMan"
            << "TabCtrl" << int(K::TabBar)
            << TIniValues{{"SKIN_RECTS", "TabCtrl", "1116,1238,3150,4062"}}
            << QStringList{"Texture=1116,1238,3150,4062 SKIN_RECTS/TabCtrl TRECT"};
        QTest::newRow("playlist bottom panel keyed plsCtrl")
            << main << "PlaylistMan"
            << "PlsCtrl" << int(K::AreaPanel) << TIniValues{}
            << QStringList{"Texture=0,0,0,0 SKIN_RECTS/plsCtrl TRECT"};
        QTest::newRow("main face with its roll offset defaulting to 2")
            << main << "MainCtrl"
            << "Main" << int(K::AreaPanel) << TIniValues{}
            << QStringList{"Texture=0,0,0,0 SKIN_RECTS/MainForm TRECT",
                           "RollOffset=2 SKIN_WIDTHS/MainHOff TINT"};
        QTest::newRow("left bar") << main << "MainCtrl"
                                  << "Leftbar" << int(K::BorderBar) << TIniValues{}
                                  << QStringList{"TOP=0,0,0,0 SKIN_RECTS/LEFTTOPBAR TRECT",
                                                 "Center=0,0,0,0 SKIN_RECTS/LEFTCENTER TRECT",
                                                 "Bottom=0,0,0,0 SKIN_RECTS/LEFTBOTBAR TRECT"};
        QTest::newRow("right bar") << main << "MainCtrl"
                                   << "RightBar" << int(K::BorderBar) << TIniValues{}
                                   << QStringList{"TOP=0,0,0,0 SKIN_RECTS/RIGHTTOPBAR TRECT",
                                                  "Center=0,0,0,0 SKIN_RECTS/RIGHTCENTER TRECT",
                                                  "Bottom=0,0,0,0 SKIN_RECTS/RIGHTBOTBAR TRECT"};
        QTest::newRow("tab strip button")
            << main << "TabCtrl"
            << "TCN" << int(K::PushButton) << TIniValues{{"SKIN_RECTS", "TCN_SEL", "1,1,9,9"}}
            << QStringList{"State_NRM=0,0,0,0 SKIN_RECTS/TCN_NRM TRECT >TCN_SEL,TCN_DWN",
                           "State_SEL=1,1,9,9 SKIN_RECTS/TCN_SEL TRECT dependent",
                           "State_DWN=0,0,0,0 SKIN_RECTS/TCN_DWN TRECT dependent"};
        QTest::newRow("two-state button")
            << main << "Main"
            << "SHUFFLE" << int(K::ToggleButton) << TIniValues{}
            << QStringList{"Unchecked=0,0,0,0 SKIN_RECTS/SHUFFLE_UCH TRECT "
                           ">SHUFFLE_UCHS,SHUFFLE_CHK,SHUFFLE_CHKS",
                           "Unchecked_SEL=0,0,0,0 SKIN_RECTS/SHUFFLE_UCHS TRECT dependent",
                           "Checked=0,0,0,0 SKIN_RECTS/SHUFFLE_CHK TRECT dependent",
                           "Checked_SEL=0,0,0,0 SKIN_RECTS/SHUFFLE_CHKS TRECT dependent"};
        QTest::newRow("numeric display")
            << main << "Main"
            << "Time" << int(K::NumericDisplay) << TIniValues{}
            << QStringList{"Numeric_Table=0,0,0,0 SKIN_NUMERICS/Time TRECT"};
        QTest::newRow("multi-display spans both blocks")
            << main << "Main"
            << "MultiDisplay" << int(K::MultiDisplay)
            << TIniValues{{"SKIN_RECTS", "MultiDisplayTOP", "1,2,3,4"},
                          {"SKIN_RECTS", "MultiDisplayBTM", "5,6,7,8"},
                          {"SKIN_RECTS", "MultiDisplay", "9,9,9,9"}}
            << QStringList{"Numeric_Table=1,2,3,8 SKIN_RECTS/MultiDisplay TRECT"};
        QTest::newRow("multi-display without blocks")
            << main << "Main"
            << "MultiDisplay" << int(K::MultiDisplay) << TIniValues{}
            << QStringList{"Numeric_Table=0,0,0,0 SKIN_RECTS/MultiDisplay TRECT"};
        QTest::newRow("text label")
            << main << "Main"
            << "iTitle" << int(K::TextLabel) << TIniValues{}
            << QStringList{"Font=TFont SKIN_FONTS/iTitle TFONT",
                           "FontColor=TFontColor SKIN_FONTS/iTitle TFONTCOLOR"};
        QTest::newRow("playlist box: nine rows")
            << main << "TopPanel"
            << "Playlistbox" << int(K::ListBox)
            << TIniValues{{"SKIN_FONTS", "PlaylistBox_BK", "255"}}
            << QStringList{"Font=TFont SKIN_FONTS/Playlistbox TFONT",
                           "FontColor=TFontColor SKIN_FONTS/Playlistbox TFONTCOLOR",
                           "Background=255 SKIN_FONTS/PlaylistBox_BK TCOLOR",
                           "Selected=0 SKIN_FONTS/PlaylistBox_SEL TCOLOR",
                           "Font=TFont SKIN_FONTS/PlaylistBox TFONT",
                           "NormalFont=TFont SKIN_FONTS/PlaylistBox_NRMFONT TFONT",
                           "NormalFontColor=TFONTCOLOR SKIN_FONTS/PlaylistBox_NRMFONT TFONTCOLOR",
                           "SelectedFont=TFont SKIN_FONTS/PlaylistBox_SELFONT TFONT",
                           "SelectedFontColor=TFONTCOLOR SKIN_FONTS/PlaylistBox_SELFONT "
                           "TFONTCOLOR"};
        QTest::newRow("spectrum with 50 peaks by default")
            << main << "Main"
            << "SPECTRUM" << int(K::Spectrum)
            << TIniValues{{"SKIN_OPTIONS", "SpectrumColor", "65280"}}
            << QStringList{"Texture=0,0,0,0 SKIN_RECTS/SPECTRUM TRECT",
                           "Spectrum Color=65280 SKIN_OPTIONS/SpectrumColor TCOLOR",
                           "Peak Color=0 SKIN_OPTIONS/SpectrumPeakColor TCOLOR",
                           "Peaks Count=50 SKIN_OPTIONS/SpectrumPeaks TINT"};
        QTest::newRow("slider horizontal by default")
            << main << "Main"
            << "SeekBar" << int(K::Slider) << TIniValues{}
            << QStringList{"Horizontral=True SKIN_WIDTHS/SeekBar_HORIZONTAL BOOL",
                           "Normal=0,0,0,0 SKIN_RECTS/SeekBar_BK TRECT >SeekBar_BKS",
                           "Selected=0,0,0,0 SKIN_RECTS/SeekBar_BKS TRECT dependent",
                           "Thumb=0,0,0,0 SKIN_RECTS/SeekBar_THM TRECT"};
        QTest::newRow("slider set vertical")
            << main << "Main"
            << "Volumebar" << int(K::Slider)
            << TIniValues{{"SKIN_WIDTHS", "Volumebar_HORIZONTAL", "0"}}
            << QStringList{"Horizontral=False SKIN_WIDTHS/Volumebar_HORIZONTAL BOOL",
                           "Normal=0,0,0,0 SKIN_RECTS/Volumebar_BK TRECT >Volumebar_BKS",
                           "Selected=0,0,0,0 SKIN_RECTS/Volumebar_BKS TRECT dependent",
                           "Thumb=0,0,0,0 SKIN_RECTS/Volumebar_THM TRECT"};
        QTest::newRow("kinds without rows in the main window")
            << main << "Main"
            << "EQVIS" << int(K::EqCurve) << TIniValues{} << QStringList{};

        QTest::newRow("equalizer close button keyed without its underscore")
            << eq << "main_"
            << "CloseBtn_" << int(K::PushButton) << TIniValues{}
            << QStringList{"State_NRM=0,0,0,0 SKIN_RECTS/CloseBtn_NRM TRECT "
                           ">CloseBtn_DWN,CloseBtn_SEL",
                           "State_SEL=0,0,0,0 SKIN_RECTS/CloseBtn_SEL TRECT dependent",
                           "State_DWN=0,0,0,0 SKIN_RECTS/CloseBtn_DWN TRECT dependent"};
        QTest::newRow("equalizer face")
            << eq << "EQUA"
            << "main_" << int(K::AreaPanel)
            << TIniValues{{"SKIN_WIDTH", "BorderL", "4"}, {"SKIN_WIDTHS", "BorderR", "9"}}
            << QStringList{"Texture=0,0,0,0 SKIN_RECTS/main TRECT",
                           "Left Offset=4 SKIN_WIDTH/BorderL TINT",
                           "Right Offset=0 SKIN_WIDTH/BorderR TINT",
                           "Top Offset=0 SKIN_WIDTH/BorderT TINT"};
        QTest::newRow("equalizer slider vertical by default")
            << eq << "main_"
            << "PREAMP" << int(K::EqSlider) << TIniValues{}
            << QStringList{"Horizontral=False SKIN_WIDTHS/PREAMP_HORIZONTAL BOOL",
                           "Normal=0,0,0,0 SKIN_RECTS/PREAMP_BK TRECT >PREAMP_BKS",
                           "Selected=0,0,0,0 SKIN_RECTS/PREAMP_BKS TRECT dependent",
                           "Thumb=0,0,0,0 SKIN_RECTS/PREAMP_THM TRECT"};
        QTest::newRow("equalizer list box")
            << eq << "main_"
            << "DSP" << int(K::ListBox) << TIniValues{}
            << QStringList{"Font=TFont SKIN_FONTS/DSP TFONT",
                           "FontColor=TFontColor SKIN_FONTS/DSP TFONTCOLOR",
                           "Background=0 SKIN_FONTS/DSP_BK TCOLOR",
                           "Selected=0 SKIN_FONTS/DSP_BKS TCOLOR",
                           "NormalFont=TFont SKIN_FONTS/DSP_NRMFONT TFONT",
                           "NormalFontColor=TFONTCOLOR SKIN_FONTS/DSP_NRMFONT TFONTCOLOR",
                           "SelectedFont=TFont SKIN_FONTS/DSP_SELFONT TFONT",
                           "SelectedFontColor=TFONTCOLOR SKIN_FONTS/DSP_SELFONT TFONTCOLOR"};
        QTest::newRow("equalizer curve") << eq << "main_"
                                         << "EQVIS" << int(K::EqCurve) << TIniValues{}
                                         << QStringList{"Texture=0,0,0,0 SKIN_RECTS/EQVIS TRECT",
                                                        "LineColor=0 SKIN_FONTS/EQVISL TCOLOR",
                                                        "PLineColor=0 SKIN_FONTS/EQVISE TCOLOR"};

        QTest::newRow("tray strip vertical")
            << tray << "TrayCtrl"
            << "traylc" << int(K::TrayStrip) << TIniValues{{"SKIN_CFG", "traylc", "2"}}
            << QStringList{"Background=0,0,0,0 SKIN_RECTS/traylc TRECT >traylcs",
                           "Progress=0,0,0,0 SKIN_RECTS/traylcs TRECT dependent",
                           "Orientation=Vertical SKIN_CFG/traylc TGSTYLE"};
        QTest::newRow("tray strip of an unknown mode shows the number")
            << tray << "TrayCtrl"
            << "trayrc" << int(K::TrayStrip) << TIniValues{{"SKIN_CFG", "trayrc", "7"}}
            << QStringList{"Background=0,0,0,0 SKIN_RECTS/trayrc TRECT >trayrcs",
                           "Progress=0,0,0,0 SKIN_RECTS/trayrcs TRECT dependent",
                           "Orientation=7 SKIN_CFG/trayrc TGSTYLE"};
        QTest::newRow("tray panel keyed by its name")
            << tray << "TrayControlMain"
            << "TrayInfo" << int(K::TrayPanel) << TIniValues{}
            << QStringList{"Texture=0,0,0,0 SKIN_RECTS/TrayInfo TRECT"};
        QTest::newRow("tray push button")
            << tray << "TrayCtrl"
            << "trayplay" << int(K::PushButton) << TIniValues{}
            << QStringList{"State_NRM=0,0,0,0 SKIN_RECTS/trayplay_NRM TRECT "
                           ">trayplay_SEL,trayplay_DWN",
                           "State_SEL=0,0,0,0 SKIN_RECTS/trayplay_SEL TRECT dependent",
                           "State_DWN=0,0,0,0 SKIN_RECTS/trayplay_DWN TRECT dependent"};
        QTest::newRow("tray title")
            << tray << "TrayInfo"
            << "trayrs" << int(K::TextLabel) << TIniValues{}
            << QStringList{"Font=TFont SKIN_FONTS/trayrs TFONT",
                           "FontColor=TFontColor SKIN_FONTS/trayrs TFONTCOLOR"};
        QTest::newRow("tray display")
            << tray << "TrayInfo"
            << "traytime" << int(K::NumericDisplay) << TIniValues{}
            << QStringList{"Numeric_Table=0,0,0,0 SKIN_NUMERICS/traytime TRECT"};
    }

    void rowsOfEachElement() {
        QFETCH(TWindowFill, fill);
        QFETCH(QString, container);
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(TIniValues, ini);
        QFETCH(QStringList, rows);
        TSheet sheet;
        TScene scene(container, name, ElementKind(kind));
        TSkinProject document;
        for (const QStringList& value : ini)
            document.WriteString(value[0], value[1], value[2]);
        fill(sheet.View, scene.Element, document);
        QCOMPARE(sheet.Rows(), rows);
        const QFontMetrics metrics(sheet.View.List->font());
        for (int i = 0; i < sheet.View.List->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = sheet.View.List->topLevelItem(i);
            QCOMPARE(PropertyOf(item)->Element, scene.Element);
            QVERIFY(sheet.View.List->columnWidth(1) > metrics.horizontalAdvance(item->text(1)));
        }
    }

    // Which side controls a main window element brings up.
    void mainSidePanels_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("moveUp");
        QTest::addColumn<bool>("parentPanel");
        QTest::addColumn<bool>("geometry");
        using K = ElementKind;
        QTest::newRow("tab strip") << "PlaylistMan"
                                   << "TabCtrl" << int(K::TabBar) << true << false << false;
        QTest::newRow("top panel") << "PlaylistMan"
                                   << "TopPanel" << int(K::AreaPanel) << true << false << false;
        QTest::newRow("bottom panel") << "PlaylistMan"
                                      << "PlsCtrl" << int(K::AreaPanel) << false << false << false;
        QTest::newRow("tab button") << "TabCtrl"
                                    << "TCP" << int(K::PushButton) << false << false << false;
        QTest::newRow("button") << "Main"
                                << "PLAYBTN" << int(K::PushButton) << false << true << false;
        QTest::newRow("toggle") << "Main"
                                << "MUTEBTN" << int(K::ToggleButton) << false << true << false;
        QTest::newRow("display") << "Main"
                                 << "Time" << int(K::NumericDisplay) << false << true << false;
        QTest::newRow("label") << "Main"
                               << "Infobar" << int(K::TextLabel) << false << true << true;
        QTest::newRow("list box") << "TopPanel"
                                  << "Playlistbox" << int(K::ListBox) << false << true << true;
        QTest::newRow("slider") << "Main"
                                << "SeekBar" << int(K::Slider) << false << false << false;
        QTest::newRow("spectrum") << "Main"
                                  << "SPECTRUM" << int(K::Spectrum) << false << false << false;
    }

    void mainSidePanels() {
        QFETCH(QString, container);
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(bool, moveUp);
        QFETCH(bool, parentPanel);
        QFETCH(bool, geometry);
        TSheet sheet;
        sheet.View.MoveUpButton->show();
        TScene scene(container, name, ElementKind(kind));
        TSkinProject document;
        FillMainProperties(sheet.View, scene.Element, document);
        QCOMPARE(!sheet.View.MoveUpButton->isHidden(), moveUp);
        QCOMPARE(!sheet.View.ParentPanel->isHidden(), parentPanel);
        QCOMPARE(!sheet.View.GeometryPanel->isHidden(), geometry);
        if (geometry) {
            QCOMPARE(sheet.View.GeometryLeft->value(), 7);
            QCOMPARE(sheet.View.GeometryTop->value(), 9);
            QCOMPARE(sheet.View.GeometryWidth->value(), 40);
            QCOMPARE(sheet.View.GeometryHeight->value(), 12);
        }
    }

    void parentSelectorShowsTheContainingArea_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("entry");
        QTest::newRow("main") << "Main"
                              << "MAIN PANEL";
        QTest::newRow("top") << "TopPanel"
                             << "PLAYLIST TOP PANEL";
        QTest::newRow("bottom") << "PlsCtrl"
                                << "PLAYLIST BTM PANEL";
        QTest::newRow("right") << "RightBar"
                               << "RIGHT BORDER";
        QTest::newRow("left") << "Leftbar"
                              << "LEFT BORDER";
        // Any other container leaves the entry chosen before.
        QTest::newRow("tab strip") << "TabCtrl"
                                   << "RIGHT BORDER";
    }

    void parentSelectorShowsTheContainingArea() {
        QFETCH(QString, container);
        QFETCH(QString, entry);
        TSheet sheet;
        sheet.View.ParentSelector->setCurrentIndex(3);
        TScene scene(container, QStringLiteral("AddBtn"), ElementKind::PushButton);
        TSkinProject document;
        FillMainProperties(sheet.View, scene.Element, document);
        QCOMPARE(sheet.View.ParentSelector->currentText(), entry);
    }

    void traySelectorShowsTheTrayWindow_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("entry");
        using K = ElementKind;
        QTest::newRow("info panel") << "TrayInfo"
                                    << "trayseek" << int(K::Slider) << true << "Drop TC_Window";
        QTest::newRow("control panel") << "TrayCtrl"
                                       << "trayvol" << int(K::Slider) << true << "Main TC_Window";
        QTest::newRow("the panels themselves")
            << "TrayControlMain"
            << "TrayCtrl" << int(K::TrayPanel) << false << "Main TC_Window";
    }

    void traySelectorShowsTheTrayWindow() {
        QFETCH(QString, container);
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(bool, shown);
        QFETCH(QString, entry);
        TSheet sheet;
        sheet.View.TraySelector->setCurrentIndex(1);
        TScene scene(container, name, ElementKind(kind));
        TSkinProject document;
        FillTrayProperties(sheet.View, scene.Element, document);
        QCOMPARE(!sheet.View.TrayPanel->isHidden(), shown);
        QCOMPARE(sheet.View.TraySelector->currentText(), entry);
    }

    void fillsNeverWriteTheDocument_data() {
        QTest::addColumn<TWindowFill>("fill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("main") << TWindowFill(FillMainProperties) << "Playlistbox"
                              << int(ElementKind::ListBox);
        QTest::newRow("equalizer")
            << TWindowFill(FillEqualizerProperties) << "main_" << int(ElementKind::AreaPanel);
        QTest::newRow("tray") << TWindowFill(FillTrayProperties) << "traylc"
                              << int(ElementKind::TrayStrip);
    }

    void fillsNeverWriteTheDocument() {
        QFETCH(TWindowFill, fill);
        QFETCH(QString, name);
        QFETCH(int, kind);
        TSheet sheet;
        TScene scene(QStringLiteral("Main"), name, ElementKind(kind));
        TSkinProject document;
        document.WriteString(QStringLiteral("SKIN_OBJS"), QStringLiteral("x"), QStringLiteral("1"));
        fill(sheet.View, scene.Element, document);
        QCOMPARE(document.Sections.Count(), 1);
        QCOMPARE(document.Sections.Strings(0), QStringLiteral("SKIN_OBJS"));
    }

    void clearingTheListReleasesTheRecords() {
        TSheet sheet;
        QWidget element;
        AddPropertyRow(sheet.View.List, &element, QStringLiteral("Texture"),
                       QStringLiteral("SKIN_RECTS"), QStringLiteral("k"), QStringLiteral("1,2,3,4"),
                       QStringLiteral("TRECT"), false, {QStringLiteral("k_SEL")});
        QCOMPARE(sheet.Rows(), QStringList{"Texture=1,2,3,4 SKIN_RECTS/k TRECT >k_SEL"});
        sheet.View.List->clear();
        QCOMPARE(sheet.View.List->topLevelItemCount(), 0);
        // A row the sheet did not make has no record.
        auto* foreign = new QTreeWidgetItem(sheet.View.List, {QStringLiteral("x")});
        QVERIFY(!PropertyOf(foreign));
    }
};

QX_REGISTER_TEST(TestPropertySheet)
#include "tst_PropertySheet.moc"
