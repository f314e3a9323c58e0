#include <QTest>

#include "DefaultSkin.h"
#include "TestRegistry.h"

namespace {

TSkinProject& MainIni() { return TDefaultSkin::Instance().Document(TSkinWindow::Main); }

QSize Texture(const QString& key) {
    return TDefaultSkin::Instance().Rect(TSkinWindow::Main, "SKIN_RECTS", key).size();
}

int Width(const QString& key) { return MainIni().ReadInteger("SKIN_WIDTHS", key, -1); }

} // namespace

// The main window's frame sizes that the mask, the playlist geometry and the
// player's window shape are built from.
class TestSkinGeometry : public QObject {
    Q_OBJECT

private slots:
    void frameSizes() {
        QCOMPARE(Width("BARSIZE"), 6);
        QVERIFY(!MainIni().ValueExists("SKIN_WIDTHS", "BARSIZER"));
        QCOMPARE(Texture("MainForm"), QSize(338, 152));
        for (const char* side : {"LEFT", "RIGHT"}) {
            const QString s = QLatin1String(side);
            QCOMPARE(Texture(s + "TOPBAR").width(), 6);
            QCOMPARE(Texture(s + "CENTER"), QSize(6, 15));
            QCOMPARE(Texture(s + "BOTBAR").width(), 6);
            QVERIFY(Texture(s + "BOTBAR").height() <= 28);
        }
        QCOMPARE(Texture("plsctrl"), QSize(338, 28));
    }

    // What a save computes from the previews must be what the skin says.
    void maskFollowsTheFrame() {
        const int w = 2 * Width("BARSIZE") + Texture("MainForm").width();
        const int h = Texture("MainForm").height() + Texture("LEFTCENTER").height() + 1;
        const int m = std::max(Texture("plsctrl").height(), Texture("LEFTBOTBAR").height());
        const int c = Texture("LEFTCENTER").height();
        QCOMPARE(QSize(w, h), QSize(350, 168));
        QCOMPARE(m, 28);
        QCOMPARE(c, 15);
        QCOMPARE(TDefaultSkin::Instance().Bitmap("mask.bmp").size(), QSize(w, h));
        auto mask = [](const char* key) {
            return MainIni().ReadString("SKIN_MASK", QLatin1String(key), QString());
        };
        QCOMPARE(mask("TopRect"), QString("0,0,%1,%2").arg(w).arg(h - m - c - 1));
        QCOMPARE(mask("CenterRect"), QString("0,%1,%2,%3").arg(h - m - c - 1).arg(w).arg(h - m - 1));
        QCOMPARE(mask("BottomRect"), QString("0,%1,%2,%3").arg(h - m).arg(w).arg(h));
        QCOMPARE(mask("Top"), QString::number(h / 2 - 1));
        QCOMPARE(mask("Bottom"), QString::number(h - h / 2));
        QCOMPARE(mask("Left"), QString::number(Width("BARSIZE")));
        QCOMPARE(mask("Right"), QString::number(Width("BARSIZE")));
    }

    void playlistGeometryFollowsThePanels() {
        QCOMPARE(Width("PLSLEFT"), Width("BARSIZE"));
        QCOMPARE(Width("PLSWIDTH"), Texture("MainForm").width());
        QCOMPARE(Width("PLSBottom"), Texture("plsctrl").height());
        const int header = std::max(Texture("TopPanel").height(), Texture("TabCtrl").height());
        QCOMPARE(Width("PLSTOP"), Texture("MainForm").height() + header);
        for (const char* key : {"SCROLLUP", "SCROLLDOWN"}) {
            const QString k = QLatin1String(key);
            const QRect place = TDefaultSkin::Instance().Rect(TSkinWindow::Main, "SKIN_OBJS", k);
            QCOMPARE(place, QRect(QPoint(), Texture(k + "_NRM")));
        }
        QCOMPARE(Texture("SCROLLSLIDER_BKS"), Texture("SCROLLSLIDER_BK"));
    }

    // One track and one knob serve every equalizer slider.
    void equalizerSlidersShareTrackAndKnob_data() {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {"_BK", "_BKS", "_THM"})
            QTest::newRow(suffix) << QString(suffix);
    }
    void equalizerSlidersShareTrackAndKnob() {
        QFETCH(QString, suffix);
        TDefaultSkin& skin = TDefaultSkin::Instance();
        QRect shared;
        int sliders = 0;
        for (const TSkinElement& e : SkinElements(TSkinWindow::Equalizer)) {
            if (e.Kind != ElementKind::EqSlider)
                continue;
            const QRect r = skin.Rect(TSkinWindow::Equalizer, "SKIN_RECTS", e.Name + suffix);
            if (shared.isNull())
                shared = r;
            QCOMPARE(r, shared);
            ++sliders;
        }
        QCOMPARE(sliders, 25);
        QVERIFY(!shared.isEmpty());
    }

    void equalizerBorders() {
        TSkinProject& eq = TDefaultSkin::Instance().Document(TSkinWindow::Equalizer);
        const QRect face = TDefaultSkin::Instance().Rect(TSkinWindow::Equalizer, "SKIN_RECTS", "main");
        for (const char* key : {"BorderL", "BorderT", "BorderR"}) {
            const int border = eq.ReadInteger("SKIN_WIDTH", QLatin1String(key), -1);
            QVERIFY(border > 0 && border < face.width() / 2);
        }
        // The curve display sits where its texture lies in the face.
        QCOMPARE(TDefaultSkin::Instance().Rect(TSkinWindow::Equalizer, "SKIN_OBJS", "EQVIS"),
                 TDefaultSkin::Instance()
                     .Rect(TSkinWindow::Equalizer, "SKIN_RECTS", "EQVIS")
                     .translated(-face.topLeft()));
    }

    void iconStrip() {
        QCOMPARE(TDefaultSkin::Instance().Bitmap("imglist.bmp").size(), QSize(800, 16));
    }

    void colourSchemes() {
        TSkinProject& ini = MainIni();
        const int count = ini.ReadInteger("SKIN_THEMES", "Count", 0);
        QVERIFY(count >= 1 && count <= 2);
        QSet<int> values;
        for (int i = 1; i <= count; ++i) {
            QVERIFY(!ini.ReadString("SKIN_THEMES", QString("Name%1").arg(i), QString()).isEmpty());
            const int value = ini.ReadInteger("SKIN_THEMES", QString("Theme%1").arg(i), 0);
            QVERIFY(value != 0 && value >= -200 && value <= 200);
            values.insert(value);
        }
        QCOMPARE(int(values.size()), count);
    }
};

QX_REGISTER_TEST(TestSkinGeometry)
#include "TestSkinGeometry.moc"
