#include <functional>

#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AnswerDialogs.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "tools/QX_SE_SelImg.h"

namespace {

QImage Sheet(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 3 + seed) % 256, seed % 256));
    return image;
}

// A bitmap header that declares width x height 24-bit pixels and brings none.
QByteArray DeclaredBitmap(qint32 width, qint32 height) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0)
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes;
}

TOpenImgForm* ShownPicker() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TOpenImgForm*>(widget); form && form->isVisible())
            return form;
    return nullptr;
}

// Runs the picker modally; drive works the window and it is closed after.
void RunPicker(QImage& bitmap, IEditorDialogs& dialogs,
               const std::function<void(TOpenImgForm&)>& drive) {
    QTimer::singleShot(0, [&] {
        if (TOpenImgForm* form = ShownPicker()) {
            drive(*form);
            form->close();
        }
    });
    ShowImagePicker(bitmap, nullptr, &dialogs);
}

void Click(TOpenImgForm& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class TestImagePicker : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    QString Path(const QString& name) const { return FDir.filePath(name); }

private slots:
    void closingAtOnceHandsBackTheSameBitmap() {
        TAnswerDialogs dialogs;
        const QImage original = Sheet(600, 400, 1);
        QImage bitmap = original;
        bool shown = false;
        RunPicker(bitmap, dialogs, [&](TOpenImgForm& form) {
            shown = true;
            QCOMPARE(form.windowTitle(), QStringLiteral("Select Image"));
            QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Image1"))->size(), QSize(600, 400));
        });
        QVERIFY(shown);
        QCOMPARE(bitmap, original);
    }

    void openingReplacesTheBitmap_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("expected"); // seed of the sheet handed back
        QTest::addColumn<int>("previous"); // format of the sheet shown first
        const int full = QImage::Format_BGR888;
        QTest::newRow("two files, the second wins") << QStringList{"a.bmp", "b.bmp"} << 3 << full;
        QTest::newRow("dismissed dialog changes nothing") << QStringList{"a.bmp", ""} << 2 << full;
        QTest::newRow("nothing chosen") << QStringList{""} << 1 << full;
        // The new sheet is never squeezed into the old one's format.
        QTest::newRow("8-bit previous sheet")
            << QStringList{"b.bmp"} << 3 << int(QImage::Format_Indexed8);
        QTest::newRow("1-bit previous sheet")
            << QStringList{"b.bmp"} << 3 << int(QImage::Format_Mono);
    }
    void openingReplacesTheBitmap() {
        QFETCH(QStringList, answers);
        QFETCH(int, expected);
        QFETCH(int, previous);
        QVERIFY(Sheet(30, 20, 2).save(Path("a.bmp"), "BMP"));
        QVERIFY(Sheet(50, 10, 3).save(Path("b.bmp"), "BMP"));
        TAnswerDialogs dialogs;
        for (const QString& answer : answers)
            dialogs.OpenAnswers << (answer.isEmpty() ? QString() : Path(answer));
        const QImage shown = Sheet(40, 40, 1).convertToFormat(QImage::Format(previous));
        QImage bitmap = shown;
        RunPicker(bitmap, dialogs, [&](TOpenImgForm& form) {
            for (qsizetype i = 0; i < answers.size(); ++i)
                Click(form, "Button1");
        });
        QCOMPARE(dialogs.OpenFilter, QStringLiteral("Bitmap (*.bmp)"));
        const QImage want = expected == 1   ? shown
                            : expected == 2 ? Sheet(30, 20, 2)
                                            : Sheet(50, 10, 3);
        QCOMPARE(bitmap.convertToFormat(QImage::Format_RGB32),
                 want.convertToFormat(QImage::Format_RGB32));
    }

    void savingWritesABitmapFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "plain"
                                      << "plain.bmp";
        QTest::newRow("other extension") << "sheet.png"
                                         << "sheet.bmp";
        QTest::newRow("two extensions") << "sheet.tar.gz"
                                        << "sheet.tar.bmp";
        QTest::newRow("already bmp") << "main.bmp"
                                     << "main.bmp";
        QTest::newRow("dot only in the folder") << "dir.d/sheet"
                                                << "dir.d/sheet.bmp";
    }
    void savingWritesABitmapFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QVERIFY(FDir.isValid());
        QDir(FDir.path()).mkpath(QStringLiteral("dir.d"));
        TAnswerDialogs dialogs;
        dialogs.SaveAnswers << Path(chosen);
        const QImage sheet = Sheet(33, 17, 5);
        QImage bitmap = sheet;
        RunPicker(bitmap, dialogs, [&](TOpenImgForm& form) { Click(form, "Button2"); });

        if (chosen != written)
            QVERIFY(!QFile::exists(Path(chosen)));
        const QByteArray bytes = ReadFile(Path(written));
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(quint8(bytes.at(28)), quint8(24)); // bits per pixel
        QCOMPARE(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_BGR888), sheet);
        QFile::remove(Path(written));
    }

    void failedSaveKeepsTheOldFile() {
        WriteFile(Path("precious.bmp"), "precious");
        TAnswerDialogs dialogs;
        dialogs.SaveAnswers << Path("precious.bmp");
        TOpenImgForm form(dialogs);
        // Nothing to write: the writer fails after the file was opened.
        form.SetBitmap(QImage());
        form.show();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("error box: .*precious"));
        Click(form, "Button2");
        QVERIFY(form.isVisible());
        QCOMPARE(ReadFile(Path("precious.bmp")), QByteArray("precious"));
    }

    void unreadableFileIsRefused_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("complaint");
        QImage picture = Sheet(8, 8, 9);
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
        }
        QTest::newRow("text") << QByteArray("not a picture at all")
                              << QStringLiteral("not a readable bitmap");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("empty");
        QTest::newRow("a PNG named .bmp") << png << QStringLiteral("PNG picture");
        QTest::newRow("header without pixels")
            << DeclaredBitmap(64, 64) << QStringLiteral("cut short");
        QTest::newRow("100000 x 100000 declared")
            << DeclaredBitmap(100000, 100000) << QStringLiteral("absurd size");
        QTest::newRow("16000 x 16000 declared")
            << DeclaredBitmap(16000, 16000) << QStringLiteral("absurd size");
        QTest::newRow("negative width") << DeclaredBitmap(-5, 10) << QStringLiteral("absurd size");
    }
    void unreadableFileIsRefused() {
        QFETCH(QByteArray, content);
        QFETCH(QString, complaint);
        WriteFile(Path("bad.bmp"), content);
        TAnswerDialogs dialogs;
        dialogs.OpenAnswers << Path("bad.bmp");
        TOpenImgForm form(dialogs);
        const QImage sheet = Sheet(20, 20, 4);
        form.SetBitmap(sheet);
        form.show();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("error box: .*bad\\.bmp.*" + complaint));
        Click(form, "Button1");
        QVERIFY(form.isVisible());
        QCOMPARE(form.Bitmap(), sheet);
    }
};

QX_REGISTER_TEST(TestImagePicker)
#include "ImagePickerTest.moc"
