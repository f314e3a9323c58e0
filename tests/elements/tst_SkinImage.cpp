#include <QImageReader>
#include <QToolButton>

#include "ElementsTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "controls/VESK_SE_Panel.h"

using namespace ElementsTest;

class TestSkinImage : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void cleanup() { SelectedElement = nullptr; }

    // The picked picture becomes the page's bitmap and its package member,
    // and the page's preview is cut from it again.
    void pickedPictureReplacesThePagesBitmap_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("rendered");
        QTest::newRow("main window") << 0 << "main.bmp"
                                     << "Leftbar";
        // Every element of the preview, not only its frame.
        QTest::newRow("main window button") << 0 << "main.bmp"
                                            << "MENUBTN";
        QTest::newRow("equalizer") << 1 << "equa.bmp"
                                   << "main_";
        QTest::newRow("tray") << 2 << "tray.bmp"
                              << "TrayCtrl";
    }

    void pickedPictureReplacesThePagesBitmap() {
        QFETCH(int, page);
        QFETCH(QString, member);
        QFETCH(QString, rendered);
        TForm f(page);
        // As large as the sheet it replaces, so every texture lies inside.
        QImage picture(f.Form.PageBitmap(page)->size(), QImage::Format_RGB32);
        picture.fill(qRgb(12, 34, 56));
        f.Dialogs.Picture = picture;
        auto* element = qobject_cast<TVESKSESkin*>(f.Element(rendered));
        QTest::mouseClick(f.Form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.Dialogs.PickerCalls, 1);

        const auto stream = f.Form.SkinFile->ExtractFile(member);
        QVERIFY(stream);
        const QByteArray bytes = stream->data();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(int(quint8(bytes[28])), 24); // bits per pixel
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "bmp");
        const QImage stored = reader.read();
        QCOMPARE(stored.size(), picture.size());
        QCOMPARE(stored.pixel(7, 7), picture.pixel(7, 7));

        // The preview shows the new picture wherever its textures lie.
        const QImage texture = element->ImgAux1().isNull() || page != 0 ? element->ImgBackGround()
                                                                        : element->ImgAux1();
        QVERIFY(!texture.isNull());
        QCOMPARE(texture.pixel(0, 0), picture.pixel(0, 0));
    }

    // Cancelling the picker still stores the bitmap the preview is cut
    // from, unchanged.
    void cancelledPickerStoresTheBitmapAsItIs() {
        TForm f(1);
        const QImage before = *f.Form.EqBitmap;
        QTest::mouseClick(f.Form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.Dialogs.PickerCalls, 1);
        const auto stream = f.Form.SkinFile->ExtractFile("equa.bmp");
        QVERIFY(stream);
        QBuffer buffer;
        buffer.setData(stream->data());
        const QImage stored = QImageReader(&buffer, "bmp").read();
        QCOMPARE(stored.size(), before.size());
        QCOMPARE(stored.pixel(before.width() / 2, before.height() / 2),
                 before.pixel(before.width() / 2, before.height() / 2));
    }
};

QX_REGISTER_TEST(TestSkinImage)
#include "tst_SkinImage.moc"
