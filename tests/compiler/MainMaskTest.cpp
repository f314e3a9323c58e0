#include <QTest>

#include "CompilerTestSupport.h"
#include "TestRegistry.h"
#include "compiler/MainMask.h"
#include "compiler/MemberBytes.h"
#include "compiler/SectionsWriter.h"
#include "storage/VESKCustomFile.h"

using namespace CompilerTest;

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

quint32 LE(const QByteArray& bytes, int at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// A main preview of known textures: a face 20 x 10 whose left column is
// key colour, bars 2 wide with a middle piece 3 high and bottom caps, and a
// playlist bottom panel 4 high whose right column is key colour.
struct TMaskScene {
    QWidget root;
    TMainWindowPreview preview;
    TVESKSEPanel* main;
    TVESKSESkin* left;
    TVESKSESkin* right;
    TVESKSEPanel* bottom;

    explicit TMaskScene(int capHeight = 3) {
        root.setObjectName(QStringLiteral("MainCtrl"));
        root.setAttribute(Qt::WA_DontShowOnScreen);
        root.resize(24, 20);
        QImage face = Solid(20, 10, qRgb(10, 20, 30));
        for (int y = 0; y < 10; ++y)
            face.setPixel(0, y, kMagenta);
        main = Make<TVESKSEPanel>(&root, QStringLiteral("Main"), QRect(2, 0, 20, 10));
        main->SetImgBackGround(face);
        left = Make<TVESKSESkin>(&root, QStringLiteral("Leftbar"), QRect(0, 0, 2, 20));
        right = Make<TVESKSESkin>(&root, QStringLiteral("RightBar"), QRect(22, 0, 2, 20));
        for (TVESKSESkin* bar : {left, right}) {
            bar->SetImgBackGround(Solid(2, 3, qRgb(40, 50, 60)));
            bar->SetImgAux2(Solid(2, capHeight, kMagenta));
        }
        QImage plsFace = Solid(20, 4, qRgb(70, 80, 90));
        for (int y = 0; y < 4; ++y)
            plsFace.setPixel(19, y, kMagenta);
        bottom = Make<TVESKSEPanel>(&root, QStringLiteral("PlsCtrl"), QRect(2, 16, 20, 4));
        bottom->SetImgBackGround(plsFace);
        preview = {&root, main, left, right, nullptr, nullptr, bottom};
    }
};

} // namespace

class MainMaskTest : public QObject {
    Q_OBJECT

private slots:
    // Only the exact key colour is cut away; the margins follow from the
    // height alone.
    void prepareMask_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("even") << 3 << 168 << 83 << 84;
        QTest::newRow("odd") << 3 << 169 << 83 << 85;
        QTest::newRow("one row") << 3 << 1 << 0 << 1;
        QTest::newRow("no columns") << 0 << 5 << 0 << 0;
    }
    void prepareMask() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QImage picture = Solid(width, height, qRgb(254, 0, 255));
        if (width > 0)
            picture.setPixel(width - 1, height - 1, kMagenta);
        const TMaskMargins margins = PrepareMask(picture);
        QCOMPARE(margins, (TMaskMargins{top, bottom}));
        if (width == 0)
            return;
        QCOMPARE(picture.depth(), 24);
        QCOMPARE(picture.pixel(width - 1, height - 1), kWhite);
        QCOMPARE(picture.pixel(0, 0), kBlack);
    }

    // The bands of the shipped skin, and a bar cap taller than the
    // playlist's bottom panel deciding the bottom band.
    void bands_data() {
        QTest::addColumn<TMaskGeometry>("geometry");
        QTest::addColumn<QStringList>("rects");
        QTest::newRow("shipped skin")
            << TMaskGeometry{350, 168, 28, 15}
            << QStringList({"0,0,350,124", "0,124,350,139", "0,140,350,168"});
        QTest::newRow("tall cap") << TMaskGeometry{24, 14, 5, 3}
                                  << QStringList({"0,0,24,5", "0,5,24,8", "0,9,24,14"});
    }
    void bands() {
        QFETCH(TMaskGeometry, geometry);
        QFETCH(QStringList, rects);
        auto project = Document();
        WriteMaskRects(*project, geometry);
        QCOMPARE(Keys(*project, "SKIN_MASK"), QStringList({"TopRect", "CenterRect", "BottomRect"}));
        QCOMPARE(QStringList({Value(*project, "SKIN_MASK", "TopRect"),
                              Value(*project, "SKIN_MASK", "CenterRect"),
                              Value(*project, "SKIN_MASK", "BottomRect")}),
                 rects);
    }

    void geometryOfThePreview() {
        TMaskScene scene(5);
        QCOMPARE(MaskGeometry(scene.preview), (TMaskGeometry{24, 14, 5, 3}));
        TMaskScene lowCaps(3);
        QCOMPARE(MaskGeometry(lowCaps.preview).BottomHeight, 4);
    }

    // "Right" falls back to "BARSIZE" only when "BARSIZER" is missing.
    void margins_data() {
        QTest::addColumn<QStringList>("widths");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::newRow("one size") << QStringList({"BARSIZE=6"}) << "6"
                                  << "6";
        QTest::newRow("right size") << QStringList({"BARSIZE=6", "BARSIZER=9"}) << "6"
                                    << "9";
        QTest::newRow("right zero") << QStringList({"BARSIZE=6", "BARSIZER=0"}) << "6"
                                    << "0";
        QTest::newRow("none") << QStringList() << "0"
                              << "0";
    }
    void margins() {
        QFETCH(QStringList, widths);
        QFETCH(QString, left);
        QFETCH(QString, right);
        auto project = Document(QStringList{"[SKIN_WIDTHS]"} + widths);
        WriteMaskMargins(*project, TMaskMargins{83, 84});
        QCOMPARE(Keys(*project, "SKIN_MASK"), QStringList({"Top", "Bottom", "Left", "Right"}));
        QCOMPARE(Value(*project, "SKIN_MASK", "Top"), QString("83"));
        QCOMPARE(Value(*project, "SKIN_MASK", "Bottom"), QString("84"));
        QCOMPARE(Value(*project, "SKIN_MASK", "Left"), left);
        QCOMPARE(Value(*project, "SKIN_MASK", "Right"), right);
    }

    // The picture: the preview's top rows, its last rows as high as the
    // playlist's bottom panel at the bottom, and the bars' bottom caps drawn
    // opaquely into the corners.
    void composedPicture() {
        TMaskScene scene;
        const TMaskGeometry geometry = MaskGeometry(scene.preview);
        QCOMPARE(geometry, (TMaskGeometry{24, 14, 4, 3}));
        const QImage picture = ComposeMaskPicture(scene.preview, geometry);
        QCOMPARE(picture.size(), QSize(24, 14));
        // The face's key-coloured column, down to where the bottom strip
        // starts; the bottom panel's one at its right edge below that.
        for (int y = 0; y < 14; ++y) {
            QCOMPARE(picture.pixel(2, y) == kMagenta, y < 10);
            QCOMPARE(picture.pixel(21, y) == kMagenta, y >= 10);
        }
        // The caps cover the bars' lowest three rows whatever lies there.
        for (int y = 0; y < 14; ++y)
            for (int x : {0, 1, 22, 23})
                QCOMPARE(picture.pixel(x, y) == kMagenta, y >= 11);
    }

    void maskMember() {
        TMaskScene scene;
        auto project = Document({"[SKIN_WIDTHS]", "BARSIZE=2"});
        TVESKCustomFile package;
        package.Reset();
        const TMaskMargins margins = BuildMainMask(scene.preview, *project, package);
        QCOMPARE(margins, (TMaskMargins{6, 7}));
        QCOMPARE(package.ItemName(0), QString("mask.bmp"));
        const auto member = package.ExtractFile(QStringLiteral("mask.bmp"));
        QVERIFY(member);
        const QByteArray bytes = member->data();
        QCOMPARE(LE(bytes, 28, 2), 24u);
        const QImage mask = QImage::fromData(bytes, "BMP");
        QCOMPARE(mask.size(), QSize(24, 14));
        QCOMPARE(mask.pixel(2, 0), kWhite);
        QCOMPARE(mask.pixel(3, 0), kBlack);
        QCOMPARE(mask.pixel(0, 13), kWhite);
        QCOMPARE(Value(*project, "SKIN_MASK", "BottomRect"), QString("0,10,24,14"));
    }

    void bitmapFile() {
        QImage image(5, 2, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        image.setPixel(0, 0, qRgb(200, 100, 50));
        const QByteArray bytes = BitmapFileBytes(image);
        QCOMPARE(bytes.size(), 54 + 2 * 16);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(LE(bytes, 2, 4), quint32(bytes.size()));
        QCOMPARE(LE(bytes, 18, 4), 5u);
        QCOMPARE(LE(bytes, 22, 4), 2u);
        QCOMPARE(LE(bytes, 28, 2), 24u);
        // Rows bottom-up, pixels blue, green, red.
        QCOMPARE(bytes.mid(54 + 16, 3), QByteArray("\x32\x64\xC8"));
        QCOMPARE(QImage::fromData(bytes, "BMP").pixel(0, 0), qRgb(200, 100, 50));
        QVERIFY(BitmapFileBytes(QImage()).isEmpty());
    }
};

QX_REGISTER_TEST(MainMaskTest)
#include "MainMaskTest.moc"
