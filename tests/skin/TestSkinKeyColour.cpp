#include <QTest>

#include "DefaultSkin.h"
#include "TestRegistry.h"

Q_DECLARE_METATYPE(TSkinWindow)

namespace {

QImage Texture(TSkinWindow window, const QString& key) {
    const QRect r = TDefaultSkin::Instance().Rect(window, "SKIN_RECTS", key);
    return TDefaultSkin::Instance().Bitmap(window).copy(r);
}

bool IsKey(const QImage& image, int x, int y) { return image.pixelColor(x, y) == KeyColour; }

// A bar of the given height as the preview draws it: the top piece, the
// bottom piece, and between them the middle piece repeated from the top.
QColor BarPixel(const QString& side, int x, int y, int height) {
    const QImage top = Texture(TSkinWindow::Main, side + "TOPBAR");
    const QImage middle = Texture(TSkinWindow::Main, side + "CENTER");
    const QImage bottom = Texture(TSkinWindow::Main, side + "BOTBAR");
    if (y < top.height())
        return top.pixelColor(x, y);
    if (y >= height - bottom.height())
        return bottom.pixelColor(x, y - (height - bottom.height()));
    return middle.pixelColor(x, y % middle.height());
}

// The main window's picture the mask is taken from, rebuilt from the frame
// textures alone: the elements on the face are covered by other tests.
QImage MaskPicture() {
    const QImage face = Texture(TSkinWindow::Main, "MainForm");
    const QImage controls = Texture(TSkinWindow::Main, "plsctrl");
    const QImage leftCap = Texture(TSkinWindow::Main, "LEFTBOTBAR");
    const QImage rightCap = Texture(TSkinWindow::Main, "RIGHTBOTBAR");
    const int bar = leftCap.width();
    const int w = face.width() + 2 * bar;
    const int h = face.height() + Texture(TSkinWindow::Main, "LEFTCENTER").height() + 1;
    const int full = 2 * face.height(); // the preview panel, face and playlist dock
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        // the last rows show the bottom of the preview panel
        const int source = y >= h - controls.height() ? full - (h - y) : y;
        for (int x = 0; x < w; ++x) {
            QColor c;
            if (x < bar)
                c = BarPixel("LEFT", x, source, full);
            else if (x >= w - bar)
                c = BarPixel("RIGHT", x - (w - bar), source, full);
            else if (source < face.height())
                c = face.pixelColor(x - bar, source);
            else if (source >= full - controls.height())
                c = controls.pixelColor(x - bar, source - (full - controls.height()));
            else
                c = Qt::black;
            picture.setPixelColor(x, y, c);
        }
    }
    for (int y = 0; y < leftCap.height(); ++y)
        for (int x = 0; x < bar; ++x) {
            picture.setPixelColor(x, h - leftCap.height() + y, leftCap.pixelColor(x, y));
            picture.setPixelColor(w - bar + x, h - rightCap.height() + y, rightCap.pixelColor(x, y));
        }
    return picture;
}

bool InCorner(const QSize& size, int x, int y, int reach) {
    const bool side = x < reach || x >= size.width() - reach;
    const bool end = y < reach || y >= size.height() - reach;
    return side && end;
}

// Textures the player and the editor draw with the key colour transparent,
// or that shape a window, may hold it; every other texture is opaque.
bool MayHoldKey(TSkinWindow window, const TSkinElement& e, const QString& key) {
    if (e.Kind == ElementKind::Slider && key.endsWith("_THM"))
        return true;
    if (window == TSkinWindow::Equalizer && e.Kind == ElementKind::AreaPanel)
        return true;
    if (e.Kind == ElementKind::TrayPanel)
        return true;
    return e.Kind == ElementKind::BorderBar && !key.endsWith("CENTER");
}

} // namespace

// The key colour appears exactly where a window is meant to be see-through.
class TestSkinKeyColour : public QObject {
    Q_OBJECT

private slots:
    void maskIsTheKeyColourOfTheMainWindow() {
        const QImage mask = TDefaultSkin::Instance().Bitmap("mask.bmp");
        const QImage picture = MaskPicture();
        QCOMPARE(mask.size(), picture.size());
        int white = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QColor m = mask.pixelColor(x, y);
                QVERIFY(m == Qt::white || m == Qt::black);
                QCOMPARE(m == Qt::white, IsKey(picture, x, y));
                if (m == Qt::white) {
                    QVERIFY2(InCorner(mask.size(), x, y, 6), "cut away outside a corner");
                    ++white;
                }
            }
        QVERIFY2(white >= 4, "the window's corners are not rounded");
    }

    void keyColourOnlyWhereIntended_data() {
        QTest::addColumn<TSkinWindow>("window");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("key");
        for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
            for (const TSkinElement& e : SkinElements(w))
                for (const TSkinKey& k : SkinElementKeys(e))
                    if (k.Value == TSkinValue::Texture || k.Value == TSkinValue::GlyphStrip)
                        QTest::addRow("%s %s", e.Name, qPrintable(k.Key))
                            << w << QString(e.Name) << k.Key;
        for (const TSkinKey& k : SkinWindowKeys(TSkinWindow::Main))
            if (k.Value == TSkinValue::Texture)
                QTest::addRow("playlist %s", qPrintable(k.Key))
                    << TSkinWindow::Main << QString() << k.Key;
    }
    void keyColourOnlyWhereIntended() {
        QFETCH(TSkinWindow, window);
        QFETCH(QString, element);
        QFETCH(QString, key);
        const TSkinElement* e = element.isEmpty() ? nullptr : FindSkinElement(window, element);
        const QRect r = TDefaultSkin::Instance().Rect(
            window, key == element && e && e->Kind == ElementKind::NumericDisplay ? "SKIN_NUMERICS"
                                                                                 : "SKIN_RECTS",
            key);
        const QImage texture = TDefaultSkin::Instance().Bitmap(window).copy(r);
        const bool allowed = e && MayHoldKey(window, *e, key);
        const bool shape = e && !(e->Kind == ElementKind::Slider);
        for (int y = 0; y < texture.height(); ++y)
            for (int x = 0; x < texture.width(); ++x)
                if (IsKey(texture, x, y)) {
                    QVERIFY2(allowed, qPrintable(QString("key colour at %1,%2").arg(x).arg(y)));
                    if (shape)
                        QVERIFY2(InCorner(texture.size(), x, y, 6),
                                 qPrintable(QString("key colour at %1,%2").arg(x).arg(y)));
                }
    }

    // Nothing blends into the key colour: no pixel but the key colour itself
    // carries a trace of magenta, so no antialiased edge met it.
    void noFringeAroundTheKeyColour_data() {
        QTest::addColumn<QString>("member");
        for (const char* name : {"main.bmp", "equa.bmp", "tray.bmp", "imglist.bmp"})
            QTest::newRow(name) << QString(name);
    }
    void noFringeAroundTheKeyColour() {
        QFETCH(QString, member);
        const QImage image = TDefaultSkin::Instance().Bitmap(member);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c == KeyColour)
                    continue;
                const bool purple = std::min(c.red(), c.blue()) - c.green() > 40;
                QVERIFY2(!purple, qPrintable(QString("magenta-tinted pixel %1,%2 (%3)")
                                                 .arg(x)
                                                 .arg(y)
                                                 .arg(c.name())));
            }
    }
};

QX_REGISTER_TEST(TestSkinKeyColour)
#include "TestSkinKeyColour.moc"
