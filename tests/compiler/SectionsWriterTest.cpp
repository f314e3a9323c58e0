#include <QTest>

#include "CompilerTestSupport.h"
#include "TestRegistry.h"
#include "compiler/SectionsWriter.h"
#include "controls/AlignLayout.h"

using namespace CompilerTest;

namespace {

// The main window's preview in miniature: a face with a few elements, the
// playlist dock's panels and the two bars, as the window layout nests them.
struct TMiniMain {
    QWidget root;
    TMainWindowPreview preview;
    TVESKSEPanel* main;
    TVESKSEPanel* top;
    TVESKSEPanel* tabs;
    TVESKSEPanel* bottom;
    TVESKSESkin* left;
    TVESKSESkin* right;

    TMiniMain() {
        root.setObjectName(QStringLiteral("MainCtrl"));
        root.resize(350, 304);
        left = Make<TVESKSESkin>(&root, QStringLiteral("Leftbar"), QRect(0, 0, 6, 304));
        right = Make<TVESKSESkin>(&root, QStringLiteral("RightBar"), QRect(344, 0, 6, 304));
        main = Make<TVESKSEPanel>(&root, QStringLiteral("Main"), QRect(6, 0, 338, 152));
        auto* dock = new QWidget(&root);
        dock->setObjectName(QStringLiteral("PlaylistMan"));
        dock->setGeometry(6, 152, 338, 152);
        top = Make<TVESKSEPanel>(dock, QStringLiteral("TopPanel"), QRect(0, 0, 338, 26));
        tabs = Make<TVESKSEPanel>(dock, QStringLiteral("TabCtrl"), QRect(0, 26, 338, 20));
        bottom = Make<TVESKSEPanel>(dock, QStringLiteral("PlsCtrl"), QRect(0, 124, 338, 28));
        preview = {&root, main, left, right, top, tabs, bottom};
    }
};

TFont BoldTahoma() {
    TFont font;
    font.Name = QStringLiteral("Tahoma");
    font.Color = 6839878;
    font.Height = -12;
    font.Style = fsBold;
    return font;
}

} // namespace

class SectionsWriterTest : public QObject {
    Q_OBJECT

private slots:
    void fontString_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("height");
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bold") << "Tahoma" << 6839878 << -12 << unsigned(fsBold)
                              << "Tahoma,6839878,12,2";
        QTest::newRow("cell height") << "Tahoma" << 0 << 11 << 0u << "Tahoma,0,11,0";
        QTest::newRow("bold italic")
            << "Arial" << 255 << -9 << unsigned(fsBold | fsItalic) << "Arial,255,9,3";
        QTest::newRow("underline")
            << "Arial" << 255 << -9 << unsigned(fsUnderline) << "Arial,255,9,4";
        QTest::newRow("strike-out is not stored")
            << "Arial" << 255 << -9 << unsigned(fsStrikeOut) << "Arial,255,9,0";
        QTest::newRow("system colour, blank in face")
            << "MS Sans Serif" << -16777208 << -11 << 0u << "MS Sans Serif,-16777208,11,0";
    }
    void fontString() {
        QFETCH(QString, name);
        QFETCH(int, colour);
        QFETCH(int, height);
        QFETCH(unsigned, style);
        QFETCH(QString, expected);
        TFont font;
        font.Name = name;
        font.Color = colour;
        font.Height = height;
        font.Style = style;
        QCOMPARE(FontToString(font), expected);
    }

    // New keys are appended in the order the classic toolkit lists a
    // panel's controls: labels first, then the others, each as placed.
    void newKeysFollowTheChildOrder() {
        TVESKSEPanel panel;
        panel.setObjectName(QStringLiteral("Main"));
        Make<TVESKSESkin>(&panel, QStringLiteral("PLAYBTN"), QRect(1, 1, 5, 5));
        MakeLabel(&panel, QStringLiteral("iTitle"), QRect(10, 1, 50, 12));
        Make<TVESKSENumLabel>(&panel, QStringLiteral("Time"), QRect(1, 20, 30, 10));
        MakeLabel(&panel, QStringLiteral("iArtist"), QRect(10, 14, 50, 12));
        auto* stray = new QWidget(&panel); // no skin element
        stray->setObjectName(QStringLiteral("Stray"));
        // Re-parenting puts a control last in its group.
        QWidget other;
        auto* moved = Make<TVESKSESkin>(&other, QStringLiteral("STOPBTN"), QRect(2, 2, 4, 4));
        moved->setParent(&panel);
        SetAlign(Make<TVESKSESkin>(&panel, QStringLiteral("Bar"), QRect(0, 0, 3, 3)), TAlign::Left);

        auto project = Document();
        auto parents = Document();
        WritePanelElements(&panel, QStringLiteral("MAIN"), *project, *parents);
        const QStringList order = {"iTitle", "iArtist", "PLAYBTN", "Time", "STOPBTN", "Bar"};
        QCOMPARE(Keys(*project, "SKIN_OBJS"), order);
        QCOMPARE(Keys(*parents, "PARENT"), order);
        QCOMPARE(Keys(*project, "SKIN_FONTS"), QStringList({"iTitle", "iArtist"}));
        QCOMPARE(Value(*project, "SKIN_OBJS", "STOPBTN"), QString("2,2,6,6"));
    }

    // Keys that exist keep their place; only their values change.
    void existingKeysAreReplacedInPlace() {
        TVESKSEPanel panel;
        panel.setObjectName(QStringLiteral("Main"));
        Make<TVESKSESkin>(&panel, QStringLiteral("PLAYBTN"), QRect(3, 4, 10, 20));
        auto project = Document({"[SKIN_OBJS]", "playbtn=0,0,1,1", "Other=1,2,3,4"});
        auto parents = Document({"[PARENT]", "PLAYBTN=BTM"});
        WritePanelElements(&panel, QStringLiteral("MAIN"), *project, *parents);
        QCOMPARE(Keys(*project, "SKIN_OBJS"), QStringList({"playbtn", "Other"}));
        QCOMPARE(Value(*project, "SKIN_OBJS", "PLAYBTN"), QString("3,4,13,24"));
        QCOMPARE(Value(*parents, "PARENT", "PLAYBTN"), QString("MAIN"));
    }

    // An element is part of the skin when its switch is "1" or missing and
    // the preview shows it; one that is not keeps its parent, font and text
    // rectangle all the same.
    void switchedOffElements_data() {
        QTest::addColumn<QString>("switchLine");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("objectRect");
        QTest::newRow("no switch") << QString() << false << "10,20,60,32";
        QTest::newRow("switched on") << "iTitle=1" << false << "10,20,60,32";
        QTest::newRow("switched off") << "iTitle=0" << false << "0,0,0,0";
        QTest::newRow("not a one") << "iTitle=true" << false << "0,0,0,0";
        QTest::newRow("hidden") << "iTitle=1" << true << "0,0,0,0";
    }
    void switchedOffElements() {
        QFETCH(QString, switchLine);
        QFETCH(bool, hidden);
        QFETCH(QString, objectRect);
        TVESKSEPanel panel;
        panel.setObjectName(QStringLiteral("Main"));
        TVESKSELabel* label =
            MakeLabel(&panel, QStringLiteral("iTitle"), QRect(10, 20, 50, 12), BoldTahoma());
        label->setHidden(hidden);
        QStringList lines = {"[SKIN_RECTS]", "MainForm=100,200,438,352", "[PROJ_SKN]"};
        if (!switchLine.isEmpty())
            lines << switchLine;
        auto project = Document(lines);
        auto parents = Document();
        WritePanelElements(&panel, QStringLiteral("MAIN"), *project, *parents);
        QCOMPARE(Value(*project, "SKIN_OBJS", "iTitle"), objectRect);
        QCOMPARE(Value(*parents, "PARENT", "iTitle"), QString("MAIN"));
        QCOMPARE(Value(*project, "SKIN_FONTS", "iTitle"), QString("Tahoma,6839878,12,2"));
        QCOMPARE(Value(*project, "SKIN_RECTS", "iTitle"), QString("110,220,160,232"));
    }

    // A label's text rectangle is the piece of its own panel's texture
    // behind it, in its own window's document.
    void labelTextRectangles_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("rects");
        QTest::addColumn<QString>("expected");
        const QStringList skin = {"MainForm=0,0,338,152", "plsctrl=0,154,338,182",
                                  "TopPanel=0,184,338,204", "LEFTTOPBAR=340,0,346,152"};
        QTest::newRow("face") << "Main" << skin << "170,7,214,21";
        QTest::newRow("playlist bottom") << "PlsCtrl" << skin << "170,161,214,175";
        QTest::newRow("playlist header") << "TopPanel" << skin << "170,191,214,205";
        QTest::newRow("left bar") << "Leftbar" << skin << "510,7,554,21";
        QTest::newRow("no texture") << "PlsCtrl" << QStringList() << "170,7,214,21";
        QTest::newRow("equalizer face")
            << "main_" << QStringList({"MAIN=5,6,355,144"}) << "175,13,219,27";
    }
    void labelTextRectangles() {
        QFETCH(QString, panel);
        QFETCH(QStringList, rects);
        QFETCH(QString, expected);
        TVESKSEPanel holder;
        holder.setObjectName(panel);
        MakeLabel(&holder, QStringLiteral("CountLabel"), QRect(170, 7, 44, 14));
        auto document = Document(QStringList{"[SKIN_RECTS]"} + rects);
        auto parents = Document();
        if (panel == QLatin1String("main_"))
            WriteEqualizer(&holder, *document);
        else
            WritePanelElements(&holder, QStringLiteral("BTM"), *document, *parents);
        QCOMPARE(Value(*document, "SKIN_RECTS", "CountLabel"), expected);
    }

    void mainWindowAreasAndGeometry() {
        TMiniMain mini;
        Make<TVESKSESkin>(mini.main, QStringLiteral("PLAYBTN"), QRect(31, 104, 30, 24));
        Make<TVESKSESkin>(mini.top, QStringLiteral("PrevPLS"), QRect(4, 3, 16, 14));
        Make<TVESKSESkin>(mini.bottom, QStringLiteral("AddBtn"), QRect(4, 6, 20, 16));
        Make<TVESKSESkin>(mini.right, QStringLiteral("OnRight"), QRect(0, 10, 6, 6));
        Make<TVESKSESkin>(mini.left, QStringLiteral("OnLeft"), QRect(0, 20, 6, 6));
        // The tab strip's buttons belong to no area.
        Make<TVESKSESkin>(mini.tabs, QStringLiteral("TCN"), QRect(318, 3, 16, 14));
        auto project = Document();
        auto parents = Document();
        WriteMainWindow(mini.preview, *project, *parents);

        QCOMPARE(Keys(*parents, "PARENT"),
                 QStringList({"PLAYBTN", "PrevPLS", "AddBtn", "OnRight", "OnLeft"}));
        QCOMPARE(Value(*parents, "PARENT", "OnRight"), QString("R_BRD"));
        QCOMPARE(Value(*parents, "PARENT", "OnLeft"), QString("L_BRD"));
        QCOMPARE(Value(*parents, "PARENT", "PrevPLS"), QString("TOP"));
        QCOMPARE(Value(*project, "SKIN_OBJS", "TopPanel"), QString("0,0,338,26"));
        QCOMPARE(Value(*project, "SKIN_OBJS", "TabCtrl"), QString("0,26,338,46"));
        QCOMPARE(Value(*project, "SKIN_OBJS", "TCN"), QString("<missing>"));
        QCOMPARE(Keys(*project, "SKIN_WIDTHS"),
                 QStringList({"PLSLEFT", "PLSBottom", "PLSTOP", "PLSWIDTH"}));
        QCOMPARE(Value(*project, "SKIN_WIDTHS", "PLSLEFT"), QString("6"));
        QCOMPARE(Value(*project, "SKIN_WIDTHS", "PLSBottom"), QString("28"));
        QCOMPARE(Value(*project, "SKIN_WIDTHS", "PLSWIDTH"), QString("338"));
    }

    // The playlist starts below the taller of header and tab strip; a hidden
    // one is made 0 high in the preview and written as no part of the skin.
    void playlistTop_data() {
        QTest::addColumn<bool>("headerHidden");
        QTest::addColumn<bool>("tabsHidden");
        QTest::addColumn<int>("plsTop");
        QTest::newRow("both shown") << false << false << 152 + 26;
        QTest::newRow("header hidden") << true << false << 152 + 20;
        QTest::newRow("tabs hidden") << false << true << 152 + 26;
        QTest::newRow("both hidden") << true << true << 152;
    }
    void playlistTop() {
        QFETCH(bool, headerHidden);
        QFETCH(bool, tabsHidden);
        QFETCH(int, plsTop);
        TMiniMain mini;
        mini.top->setHidden(headerHidden);
        mini.tabs->setHidden(tabsHidden);
        auto project = Document();
        auto parents = Document();
        WriteMainWindow(mini.preview, *project, *parents);
        QCOMPARE(Value(*project, "SKIN_WIDTHS", "PLSTOP"), QString::number(plsTop));
        QCOMPARE(mini.top->height(), headerHidden ? 0 : 26);
        QCOMPARE(mini.tabs->height(), tabsHidden ? 0 : 20);
        QCOMPARE(Value(*project, "SKIN_OBJS", "TopPanel") == "0,0,0,0", headerHidden);
        QCOMPARE(Value(*project, "SKIN_OBJS", "TabCtrl") == "0,0,0,0", tabsHidden);
    }

    void playlistKeys_data() {
        QTest::addColumn<QStringList>("rects");
        QTest::addColumn<QString>("sliderSelected");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("down");
        QTest::newRow("textures") << QStringList({"SCROLLSLIDER_BK=374,62,386,94",
                                                  "SCROLLSLIDER_BKS=1,1,2,2",
                                                  "SCROLLUP_NRM=248,307,261,324",
                                                  "SCROLLDOWN_NRM=416,48,428,60"})
                                  << "374,62,386,94"
                                  << "0,0,13,17"
                                  << "0,0,12,12";
        QTest::newRow("none") << QStringList() << "0,0,0,0"
                              << "0,0,0,0"
                              << "0,0,0,0";
    }
    void playlistKeys() {
        QFETCH(QStringList, rects);
        QFETCH(QString, sliderSelected);
        QFETCH(QString, up);
        QFETCH(QString, down);
        auto project = Document(QStringList{"[SKIN_RECTS]"} + rects);
        WritePlaylist(*project);
        QCOMPARE(Value(*project, "SKIN_RECTS", "SCROLLSLIDER_BKS"), sliderSelected);
        QCOMPARE(Value(*project, "SKIN_OBJS", "SCROLLUP"), up);
        QCOMPARE(Value(*project, "SKIN_OBJS", "SCROLLDOWN"), down);
    }

    void equalizerElementsStayInTheEqualizer() {
        TVESKSEPanel face;
        face.setObjectName(QStringLiteral("main_"));
        MakeLabel(&face, QStringLiteral("DSP"), QRect(262, 23, 82, 26), BoldTahoma());
        Make<TVESKSESkin>(&face, QStringLiteral("CloseBtn_"), QRect(328, 3, 16, 13));
        auto equalizer = Document({"[SKIN_RECTS]", "main=0,0,350,138", "[PROJ_SKN]", "LIB=0"});
        Make<TVESKSESkin>(&face, QStringLiteral("LIB"), QRect(283, 4, 20, 11));
        WriteEqualizer(&face, *equalizer);
        // The close button is keyed as the equalizer's loader reads it.
        QCOMPARE(Keys(*equalizer, "SKIN_OBJS"), QStringList({"DSP", "CloseBtn", "LIB"}));
        QCOMPARE(Value(*equalizer, "SKIN_OBJS", "LIB"), QString("0,0,0,0"));
        QCOMPARE(Value(*equalizer, "SKIN_RECTS", "DSP"), QString("262,23,344,49"));
        QCOMPARE(Value(*equalizer, "SKIN_FONTS", "DSP"), QString("Tahoma,6839878,12,2"));
    }

    void trayController() {
        QWidget root;
        auto* info = Make<TVESKSEPanel>(&root, QStringLiteral("TrayInfo"), QRect(0, 0, 240, 66));
        auto* controls =
            Make<TVESKSEPanel>(&root, QStringLiteral("TrayCtrl"), QRect(0, 66, 240, 24));
        Make<TVESKSESkin>(info, QStringLiteral("trayseek"), QRect(6, 40, 228, 8));
        MakeLabel(info, QStringLiteral("trayrs"), QRect(8, 5, 224, 13));
        Make<TVESKSENumLabel>(info, QStringLiteral("traytime"), QRect(24, 22, 48, 12));
        Make<TVESKSESkin>(controls, QStringLiteral("trayplay"), QRect(22, 4, 16, 16))->hide();
        auto* stray = new QWidget(controls); // any class counts here
        stray->setObjectName(QStringLiteral("Odd"));
        stray->setGeometry(1, 2, 3, 4);
        auto tray =
            Document({"[SKIN_RECTS]", "trayinfo=10,100,250,166", "[PROJ_SKN]", "trayseek=0"});
        const auto parents = WriteTrayController(info, controls, *tray);

        QCOMPARE(Keys(*parents, "PARENT"),
                 QStringList({"trayrs", "trayseek", "traytime", "trayplay", "Odd"}));
        QCOMPARE(Value(*parents, "PARENT", "trayseek"), QString("INFO"));
        QCOMPARE(Value(*parents, "PARENT", "trayplay"), QString());
        // Element switches play no part in the tray; visibility does.
        QCOMPARE(Value(*tray, "SKIN_OBJS", "trayseek"), QString("6,40,234,48"));
        QCOMPARE(Value(*tray, "SKIN_OBJS", "trayplay"), QString("0,0,0,0"));
        QCOMPARE(Value(*tray, "SKIN_OBJS", "Odd"), QString("1,2,4,6"));
        QCOMPARE(Value(*tray, "SKIN_RECTS", "TrayRS"), QString("18,105,242,118"));
    }

    void contextMenu() {
        TMenuLooks looks;
        looks.GutterColor = 2367259;
        looks.MenuColor = -16777211;
        looks.SelectedColor = 5786923;
        looks.BorderColor = 0;
        looks.Font = BoldTahoma();
        auto project = Document({"[SKIN_FONTS]", "MENUCOLOR=1"});
        WriteContextMenu(*project, looks);
        QCOMPARE(
            Keys(*project, "SKIN_FONTS"),
            QStringList({"MENUCOLOR", "GutterColor", "SelectedColor", "BorderColor", "MENUFONT"}));
        QCOMPARE(Value(*project, "SKIN_FONTS", "MENUCOLOR"), QString("-16777211"));
        QCOMPARE(Value(*project, "SKIN_FONTS", "MENUFONT"), QString("Tahoma,6839878,12,2"));
    }
};

QX_REGISTER_TEST(SectionsWriterTest)
#include "SectionsWriterTest.moc"
