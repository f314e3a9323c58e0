#include <QTest>

#include "TestRegistry.h"
#include "storage/SkinVocabulary.h"

Q_DECLARE_METATYPE(TSkinWindow)

namespace {

QStringList KeyNames(const std::vector<TSkinKey>& keys) {
    QStringList names;
    for (const TSkinKey& k : keys)
        names << k.Section + "/" + k.Key;
    return names;
}

} // namespace

// Lookups and key lists of the element vocabulary, checked at the places
// where element names and INI keys part ways.
class TestSkinVocabulary : public QObject {
    Q_OBJECT

private slots:
    void lookupIgnoresCase_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        QTest::newRow("main exact") << TSkinWindow::Main << "PLAYBTN" << "PLAYBTN";
        QTest::newRow("main other case") << TSkinWindow::Main << "playbtn" << "PLAYBTN";
        QTest::newRow("equalizer") << TSkinWindow::Equalizer << "closebtn_" << "CloseBtn_";
        QTest::newRow("tray") << TSkinWindow::Tray << "TRAYPLAY" << "trayplay";
        QTest::newRow("other window") << TSkinWindow::Tray << "PLAYBTN" << "";
        QTest::newRow("stem is no name") << TSkinWindow::Equalizer << "CloseBtn" << "";
    }
    void lookupIgnoresCase() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QString, found);
        const TSkinElement* e = FindSkinElement(window, name);
        QCOMPARE(e ? QString(e->Name) : QString(), found);
    }

    void keyStems_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stem");
        QTest::newRow("main close") << TSkinWindow::Main << "CloseBtn" << "CloseBtn";
        QTest::newRow("main repeat keeps its _") << TSkinWindow::Main << "Repeat_" << "Repeat_";
        QTest::newRow("equalizer close") << TSkinWindow::Equalizer << "CloseBtn_" << "CloseBtn";
        QTest::newRow("equalizer face") << TSkinWindow::Equalizer << "main_" << "main";
        QTest::newRow("tray panel") << TSkinWindow::Tray << "TrayInfo" << "trayinfo";
        QTest::newRow("tray button") << TSkinWindow::Tray << "trayREP" << "trayREP";
    }
    void keyStems() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QString, stem);
        QCOMPARE(SkinElementKey(*FindSkinElement(window, name)), stem);
    }

    void keysOfAKind_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("push button")
            << TSkinWindow::Equalizer << "CloseBtn_"
            << QStringList{"SKIN_OBJS/CloseBtn", "SKIN_RECTS/CloseBtn_NRM", "SKIN_RECTS/CloseBtn_SEL",
                           "SKIN_RECTS/CloseBtn_DWN"};
        QTest::newRow("two-state button")
            << TSkinWindow::Tray << "traysot"
            << QStringList{"SKIN_OBJS/traysot", "SKIN_RECTS/traysot_UCH", "SKIN_RECTS/traysot_UCHS",
                           "SKIN_RECTS/traysot_CHK", "SKIN_RECTS/traysot_CHKS"};
        QTest::newRow("playlist box, its font keyed twice")
            << TSkinWindow::Main << "Playlistbox"
            << QStringList{"SKIN_OBJS/Playlistbox",          "SKIN_FONTS/Playlistbox",
                           "SKIN_RECTS/Playlistbox",         "SKIN_FONTS/PlaylistBox_BK",
                           "SKIN_FONTS/PlaylistBox_SEL",     "SKIN_FONTS/PlaylistBox_NRMFONT",
                           "SKIN_FONTS/PlaylistBox_SELFONT"};
        QTest::newRow("scrolling title placed by its texture key")
            << TSkinWindow::Tray << "trayrs"
            << QStringList{"SKIN_RECTS/trayrs", "SKIN_OBJS/trayrs", "SKIN_FONTS/trayrs"};
        QTest::newRow("level meter")
            << TSkinWindow::Tray << "traylc"
            << QStringList{"SKIN_OBJS/traylc", "SKIN_RECTS/traylc", "SKIN_RECTS/traylcs",
                           "SKIN_CFG/traylc"};
        QTest::newRow("face") << TSkinWindow::Main << "Main"
                              << QStringList{"SKIN_RECTS/MainForm", "SKIN_WIDTHS/MainHOff"};
        QTest::newRow("bottom panel")
            << TSkinWindow::Main << "PlsCtrl" << QStringList{"SKIN_RECTS/plsctrl"};
        QTest::newRow("right bar")
            << TSkinWindow::Main << "RightBar"
            << QStringList{"SKIN_RECTS/RIGHTTOPBAR", "SKIN_RECTS/RIGHTCENTER", "SKIN_RECTS/RIGHTBOTBAR"};
        QTest::newRow("equalizer slider")
            << TSkinWindow::Equalizer << "VESKSlider18"
            << QStringList{"SKIN_OBJS/VESKSlider18", "SKIN_WIDTHS/VESKSlider18_HORIZONTAL",
                           "SKIN_RECTS/VESKSlider18_BK", "SKIN_RECTS/VESKSlider18_BKS",
                           "SKIN_RECTS/VESKSlider18_THM"};
        QTest::newRow("equalizer face")
            << TSkinWindow::Equalizer << "main_"
            << QStringList{"SKIN_OBJS/main", "SKIN_RECTS/main", "SKIN_WIDTH/BorderL",
                           "SKIN_WIDTH/BorderR", "SKIN_WIDTH/BorderT"};
    }
    void keysOfAKind() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QStringList, keys);
        QCOMPARE(KeyNames(SkinElementKeys(*FindSkinElement(window, name))), keys);
    }

    // Preview trees hold each element once, under a container of the tree.
    void namesAreUniqueAndParentsKnown_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::newRow("main") << TSkinWindow::Main;
        QTest::newRow("equalizer") << TSkinWindow::Equalizer;
        QTest::newRow("tray") << TSkinWindow::Tray;
    }
    void namesAreUniqueAndParentsKnown() {
        QFETCH(TSkinWindow, window);
        const QStringList roots = {"MainCtrl", "PlaylistMan", "EQUA", "TrayControlMain"};
        QSet<QString> seen;
        for (const TSkinElement& e : SkinElements(window)) {
            QVERIFY2(!seen.contains(QString(e.Name).toLower()), e.Name);
            seen.insert(QString(e.Name).toLower());
            const TSkinElement* parent = FindSkinElement(window, e.Parent);
            QVERIFY2(roots.contains(e.Parent) || (parent && parent < &e), e.Name);
        }
    }

    void parentCodes_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("code");
        QTest::newRow("face") << TSkinWindow::Main << "Main" << "MAIN";
        QTest::newRow("header") << TSkinWindow::Main << "toppanel" << "TOP";
        QTest::newRow("bottom") << TSkinWindow::Main << "PlsCtrl" << "BTM";
        QTest::newRow("left bar") << TSkinWindow::Main << "Leftbar" << "L_BRD";
        QTest::newRow("right bar") << TSkinWindow::Main << "RightBar" << "R_BRD";
        QTest::newRow("tab strip has none") << TSkinWindow::Main << "TabCtrl" << "";
        QTest::newRow("tray information") << TSkinWindow::Tray << "TrayInfo" << "INFO";
        QTest::newRow("tray buttons") << TSkinWindow::Tray << "TrayCtrl" << "";
        QTest::newRow("not across windows") << TSkinWindow::Tray << "Main" << "";
    }
    void parentCodes() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, container);
        QFETCH(QString, code);
        QCOMPARE(ParentCode(window, container), code);
    }
};

QX_REGISTER_TEST(TestSkinVocabulary)
#include "TestSkinVocabulary.moc"
