// Every bitmap flavour that fuzz/make_bitmaps.py writes, and the damaged and
// renamed files, through the one decoder.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "TestFiles.h"
#include "TestRegistry.h"
#include "graphics/BmpDecoder.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKMask.h"

namespace {

QString BitmapFolder() {
    return GeneratedData(QStringLiteral(QX_TEST_BINARY_DIR "/tests/graphics/bitmaps/"),
                         QStringLiteral(QX_TEST_SOURCE_DIR "/../fuzz/make_bitmaps.py"));
}

QImage RawPicture(const QString& file, int width, int height) {
    const QByteArray raw = ReadFile(BitmapFolder() + file);
    return QImage(reinterpret_cast<const uchar*>(raw.constData()), width, height, width * 3,
                  QImage::Format_RGB888)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Mask(const QImage& image) {
    TVESKBmp bmp(image);
    int top = 0, bottom = 0;
    MakeMask(bmp, top, bottom);
    return bmp.Image().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class BmpDecoderTest : public QObject {
    Q_OBJECT

private slots:
    void everyFlavour_data() {
        QFile file(BitmapFolder() + QStringLiteral("manifest.json"));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("no bitmaps: ctest runs make_bitmaps.py first (fixture graphics_bitmaps)");
        const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
        QTest::addColumn<QString>("file");
        QTest::addColumn<QImage>("picture"); // null: the file must be refused
        QTest::addColumn<QString>("reason");
        const int width = manifest["width"].toInt(), height = manifest["height"].toInt();
        for (const QJsonValue& entry : manifest["cases"].toArray()) {
            const QJsonObject item = entry.toObject();
            QTest::newRow(qPrintable(item["name"].toString()))
                << BitmapFolder() + item["file"].toString()
                << (item.contains("picture") ? RawPicture(item["picture"].toString(), width, height)
                                             : QImage())
                << item["refused"].toString();
        }
    }
    void everyFlavour() {
        QFETCH(QString, file);
        QFETCH(QImage, picture);
        QFETCH(QString, reason);
        if (picture.isNull()) {
            try {
                ReadBmpFile(file);
                QFAIL("refused file was decoded");
            } catch (const EBadBitmap& error) {
                QVERIFY2(error.message().contains(file) && error.Reason.contains(reason),
                         qPrintable(error.message()));
            }
            return;
        }
        const TBmpDecoded decoded = ReadBmpFile(file);
        QCOMPARE(decoded.Image.format(), QImage::Format_RGB32);
        QCOMPARE(decoded.Image, picture);
        // The key colour is exact in every flavour, so the mask sees the
        // same transparent pixels as in the 24-bit original.
        QVERIFY(picture.pixelColor(0, 0) == QColor(255, 0, 255));
        QCOMPARE(Mask(decoded.Image), Mask(picture));
    }
};

QX_REGISTER_TEST(BmpDecoderTest)
#include "BmpDecoderTest.moc"
