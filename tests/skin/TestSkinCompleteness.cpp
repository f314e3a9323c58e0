#include <QTest>

#include "DefaultSkin.h"
#include "TestRegistry.h"
#include "storage/VESKErrors.h"

Q_DECLARE_METATYPE(TSkinWindow)
Q_DECLARE_METATYPE(TSkinValue)

namespace {

const char* WindowName(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        return "main";
    case TSkinWindow::Equalizer:
        return "equa";
    case TSkinWindow::Tray:
        return "tray";
    }
    return "";
}

void AddKeyRows(TSkinWindow window, const QString& owner, const std::vector<TSkinKey>& keys) {
    for (const TSkinKey& key : keys)
        QTest::addRow("%s %s %s/%s", WindowName(window), qPrintable(owner),
                      qPrintable(key.Section), qPrintable(key.Key))
            << window << key.Section << key.Key << key.Value;
}

bool ParsesAsInteger(const QString& text) {
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

} // namespace

// Every key the editor and the player read for the default skin's elements
// is present and well formed, and every texture lies inside its bitmap.
class TestSkinCompleteness : public QObject {
    Q_OBJECT

private slots:
    void keyIsPresentAndValid_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<TSkinValue>("value");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
            for (const TSkinElement& e : SkinElements(w))
                AddKeyRows(w, QLatin1String(e.Name), SkinElementKeys(e));
            AddKeyRows(w, "window", SkinWindowKeys(w));
        }
    }
    void keyIsPresentAndValid() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(TSkinValue, value);
        TSkinProject& doc = TDefaultSkin::Instance().Document(window);
        QVERIFY2(doc.ValueExists(section, key), "missing");
        const QString text = doc.ReadString(section, key, QString());
        switch (value) {
        case TSkinValue::Placement:
        case TSkinValue::Texture:
        case TSkinValue::GlyphStrip:
        case TSkinValue::MaskBand: {
            const QRect r = StrToRect(text).ToQRect();
            QVERIFY2(r.width() > 0 && r.height() > 0, qPrintable(text));
            if (value == TSkinValue::Texture || value == TSkinValue::GlyphStrip)
                QVERIFY2(TDefaultSkin::Instance().Bitmap(window).rect().contains(r),
                         qPrintable(text));
            if (value == TSkinValue::MaskBand)
                QVERIFY2(TDefaultSkin::Instance().Bitmap("mask.bmp").rect().contains(r),
                         qPrintable(text));
            break;
        }
        case TSkinValue::Font: {
            TMyFont font;
            StrToFont(text, font, false);
            QVERIFY(!font.Name.isEmpty());
            QVERIFY(font.Height >= 8);
            break;
        }
        case TSkinValue::Color:
        case TSkinValue::Integer:
            QVERIFY2(ParsesAsInteger(text), qPrintable(text));
            break;
        case TSkinValue::Bool:
            QVERIFY2(text == "0" || text == "1", qPrintable(text));
            break;
        }
    }

    // The editor fits buttons and sliders to their textures and ties the
    // dependent states to the size of the first one; so must the skin.
    void placementAndStatesShareOneSize_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
            for (const TSkinElement& e : SkinElements(w))
                if (e.Kind == ElementKind::PushButton || e.Kind == ElementKind::ToggleButton ||
                    e.Kind == ElementKind::Slider || e.Kind == ElementKind::EqSlider ||
                    e.Kind == ElementKind::TrayStrip)
                    QTest::addRow("%s %s", WindowName(w), e.Name) << w << QString(e.Name);
    }
    void placementAndStatesShareOneSize() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        const TSkinElement* e = FindSkinElement(window, name);
        QVERIFY(e);
        const QString stem = SkinElementKey(*e);
        const QSize size = TDefaultSkin::Instance().Rect(window, "SKIN_OBJS", stem).size();
        for (const TSkinKey& key : SkinElementKeys(*e)) {
            if (key.Value != TSkinValue::Texture || key.Key.endsWith("_THM"))
                continue;
            QCOMPARE(TDefaultSkin::Instance().Rect(window, key.Section, key.Key).size(), size);
        }
    }

    void numericDisplaysFitTheirStrips_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Tray})
            for (const TSkinElement& e : SkinElements(w))
                if (e.Kind == ElementKind::NumericDisplay)
                    QTest::addRow("%s", e.Name) << w << QString(e.Name);
    }
    void numericDisplaysFitTheirStrips() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        const TSkinElement* e = FindSkinElement(window, name);
        const QRect strip = TDefaultSkin::Instance().Rect(window, "SKIN_NUMERICS", name);
        QCOMPARE(strip.width() % e->GlyphCount, 0);
        const int cells = int(qstrlen(e->DefaultText));
        const QSize shown(strip.width() * cells / e->GlyphCount, strip.height());
        QCOMPARE(TDefaultSkin::Instance().Rect(window, "SKIN_OBJS", name).size(), shown);
    }

    // Elements lie inside the panel that holds them.
    void elementsLieInsideTheirPanel_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panelTexture");
        const std::map<QString, QString> main = {
            {"MAIN", "MainForm"}, {"TOP", "TopPanel"}, {"BTM", "plsctrl"}};
        TSkinProject& parents = TDefaultSkin::Instance().Document("parent.ini");
        for (const TSkinElement& e : SkinElements(TSkinWindow::Main)) {
            const QString code = parents.ReadString("PARENT", e.Name, QString()).toUpper();
            const QString panel = main.count(code) ? main.at(code)
                                  : e.Parent == QLatin1String("TabCtrl") ? "TabCtrl"
                                                                         : QString();
            if (!panel.isEmpty())
                QTest::addRow("main %s", e.Name) << TSkinWindow::Main << QString(e.Name) << panel;
        }
        for (const TSkinElement& e : SkinElements(TSkinWindow::Equalizer))
            if (e.Kind != ElementKind::AreaPanel)
                QTest::addRow("equa %s", e.Name) << TSkinWindow::Equalizer << QString(e.Name)
                                                 << "main";
        TSkinProject& trayParents = TDefaultSkin::Instance().Document("tray_parent.ini");
        for (const TSkinElement& e : SkinElements(TSkinWindow::Tray))
            if (e.Kind != ElementKind::TrayPanel && e.Kind != ElementKind::TextLabel) {
                const bool info = trayParents.ReadString("PARENT", e.Name, QString()) == "INFO";
                QTest::addRow("tray %s", e.Name)
                    << TSkinWindow::Tray << QString(e.Name) << (info ? "trayinfo" : "trayctrl");
            }
    }
    void elementsLieInsideTheirPanel() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QString, panelTexture);
        TDefaultSkin& skin = TDefaultSkin::Instance();
        const QSize panel = skin.Rect(window, "SKIN_RECTS", panelTexture).size();
        const QRect place =
            skin.Rect(window, "SKIN_OBJS", SkinElementKey(*FindSkinElement(window, name)));
        QVERIFY2(QRect(QPoint(), panel).contains(place), qPrintable(name));
    }

    // Every element the save would write a parent for has one, naming the
    // panel the skin puts it on.
    void everyElementHasItsParentCode_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Tray})
            for (const TSkinElement& e : SkinElements(w)) {
                const QString parent = QLatin1String(e.Parent);
                const bool coded = w == TSkinWindow::Main ? !ParentCode(w, parent).isEmpty()
                                                          : parent.startsWith("Tray");
                if (coded && e.Kind != ElementKind::TrayPanel)
                    QTest::addRow("%s %s", WindowName(w), e.Name)
                        << w << QString(e.Name) << ParentCode(w, parent);
            }
    }
    void everyElementHasItsParentCode() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QString, code);
        TSkinProject& parents = TDefaultSkin::Instance().Document(
            QLatin1String(SkinWindowMembers(window).ParentIni));
        QVERIFY2(parents.ValueExists("PARENT", name), "missing");
        QCOMPARE(parents.ReadString("PARENT", name, "?"), code);
    }

    // A label's text rectangle is the piece of its panel's texture behind it.
    void labelBackgroundsLieUnderTheirLabels_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panelTexture");
        const std::map<QString, QString> textures = {
            {"Main", "MainForm"}, {"TopPanel", "TopPanel"}, {"PlsCtrl", "plsctrl"}, {"main_", "main"}};
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer})
            for (const TSkinElement& e : SkinElements(w))
                if (e.Kind == ElementKind::TextLabel || e.Kind == ElementKind::ListBox)
                    QTest::addRow("%s", e.Name) << w << QString(e.Name) << textures.at(e.Parent);
    }
    void labelBackgroundsLieUnderTheirLabels() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, name);
        QFETCH(QString, panelTexture);
        TDefaultSkin& skin = TDefaultSkin::Instance();
        const QPoint origin = skin.Rect(window, "SKIN_RECTS", panelTexture).topLeft();
        QCOMPARE(skin.Rect(window, "SKIN_RECTS", name),
                 skin.Rect(window, "SKIN_OBJS", name).translated(origin));
    }

    // Textures are drawn one after the other into one bitmap: one that
    // overlaps another would paint over it. Only a display or label that
    // shows a piece of its panel may lie inside that panel's texture, and
    // elements may share a texture outright.
    void texturesDoNotOverlap_data() {
        QTest::addColumn<TSkinWindow>("window");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
            QTest::newRow(WindowName(w)) << w;
    }
    void texturesDoNotOverlap() {
        QFETCH(TSkinWindow, window);
        struct TPiece {
            QString Key;
            QRect Rect;
            bool ShowsItsPanel;
            bool IsPanel;
        };
        std::vector<TPiece> pieces;
        auto add = [&](const TSkinElement* e, const TSkinKey& k) {
            if (k.Value != TSkinValue::Texture && k.Value != TSkinValue::GlyphStrip)
                return;
            const ElementKind kind = e ? e->Kind : ElementKind::PushButton;
            const bool shows = kind == ElementKind::TextLabel || kind == ElementKind::ListBox ||
                               kind == ElementKind::Spectrum || kind == ElementKind::MultiDisplay ||
                               kind == ElementKind::EqCurve;
            const bool panel = kind == ElementKind::AreaPanel || kind == ElementKind::TrayPanel;
            pieces.push_back({k.Key, TDefaultSkin::Instance().Rect(window, k.Section, k.Key),
                              shows, panel});
        };
        for (const TSkinElement& e : SkinElements(window))
            for (const TSkinKey& k : SkinElementKeys(e))
                add(&e, k);
        for (const TSkinKey& k : SkinWindowKeys(window))
            add(nullptr, k);
        for (const TPiece& a : pieces)
            for (const TPiece& b : pieces) {
                if (&a == &b || a.Rect == b.Rect || !a.Rect.intersects(b.Rect))
                    continue;
                const bool inPanel = a.ShowsItsPanel && b.IsPanel && b.Rect.contains(a.Rect);
                const bool panelOf = b.ShowsItsPanel && a.IsPanel && a.Rect.contains(b.Rect);
                const bool sameDisplay = a.ShowsItsPanel && b.ShowsItsPanel;
                QVERIFY2(inPanel || panelOf || sameDisplay,
                         qPrintable(a.Key + " overlaps " + b.Key));
            }
    }
};

QX_REGISTER_TEST(TestSkinCompleteness)
#include "TestSkinCompleteness.moc"
