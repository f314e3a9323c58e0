#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "TestPackages.h"
#include "TestRegistry.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"
#include "text/SkinProject.h"

namespace {


bool Load(TQXSPCustomFile& file, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return file.LoadFromStream(buffer);
}

QByteArray BmpBytes(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

// A BMP header that declares a picture far too large to hold, with only a
// few bytes of pixels behind it.
QByteArray HugeBmpHeader() {
    QByteArray bmp = BmpBytes(4, 4, qRgb(1, 2, 3));
    const qint32 side = 100000;
    memcpy(bmp.data() + 18, &side, 4);
    memcpy(bmp.data() + 22, &side, 4);
    return bmp;
}

} // namespace

class TestQXSPFile : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        RemoveFonts(FontsFolder());
        CurrentTheme = 0;
    }

    void colourSchemes_data() {
        QTest::addColumn<QByteArray>("themes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("no section") << QByteArray() << QStringList{"Default"} << QList<int>{0};
        QTest::newRow("missing name and value")
            << QByteArray("[SKIN_THEMES]\r\nCount=2\r\nName1=Warm\r\nTheme1=20\r\n")
            << QStringList{"Default", "Warm", "Noname"} << QList<int>{0, 20, 0};
        QTest::newRow("negative count") << QByteArray("[SKIN_THEMES]\r\nCount=-7\r\n")
                                        << QStringList{"Default"} << QList<int>{0};
    }
    void colourSchemes() {
        QFETCH(QByteArray, themes);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, values);
        TQXSPCustomFile file;
        QVERIFY(Load(file, PackageBytes({{"main.ini", themes}})));
        QCOMPARE(file.GetThemeCount(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(file.GetThemeName(i), names[i]);
            QCOMPARE(file.GetThemeValue(i), values[i]);
            QVERIFY(file.IsThemeValid(values[i]));
        }
        QVERIFY(file.IsThemeValid(0));
        QVERIFY(!file.IsThemeValid(21));
    }

    void hostileSchemeCountStaysBounded() {
        TQXSPCustomFile file;
        QVERIFY(Load(file, PackageBytes({{"main.ini", "[SKIN_THEMES]\r\nCount=2147483647\r\n"}})));
        QCOMPARE(file.GetThemeCount(), TQXSPCustomFile::MaxThemeCount);
        QVERIFY(!file.IsThemeValid(99));
    }

    void applyThemeRotatesAllButMagenta() {
        TQXSPCustomFile file;
        Load(file, PackageBytes({{"main.ini", "[SKIN_THEMES]\r\nCount=1\r\nTheme1=85\r\n"}}));
        QImage bitmap(2, 1, QImage::Format_RGB32);
        bitmap.setPixel(0, 0, qRgb(255, 0, 0));
        bitmap.setPixel(1, 0, qRgb(255, 0, 255));

        CurrentTheme = 13; // not a scheme of this skin: falls back to none
        file.ApplyTheme(bitmap);
        QCOMPARE(CurrentTheme, 0);
        QCOMPARE(bitmap.pixel(0, 0), qRgb(255, 0, 0));

        CurrentTheme = 85;
        file.ApplyTheme(bitmap);
        QCOMPARE(bitmap.pixel(0, 0), qRgb(0, 255, 0));
        QCOMPARE(bitmap.pixel(1, 0), qRgb(255, 0, 255));
    }

    void notAPackageLoadsTheBuiltInSkin() {
        TQXSPFile file;
        QVERIFY(Load(file, "This is a text file, not a skin package. It is long enough for a "
                           "header and then some more words."));
        QVERIFY(file.Count() > 0);
        QVERIFY(file.Project->FindSection("SKIN_OBJS") >= 0);
        QVERIFY(!file.MainBmp->isNull());
        QVERIFY(!file.SkinName.isEmpty());
    }

    void membersBecomeObjects() {
        TQXSPFile file;
        QVERIFY(Load(file, PackageBytes({{"main.ini", "[SKIN_OBJS]\r\nPLAY=1,2,3,4\r\n"},
                                         {"MAIN.BMP", BmpBytes(7, 5, qRgb(10, 20, 30))},
                                         {"parent.ini", "[PARENT]\r\nPLAY=MAIN\r\n"}})));
        QCOMPARE(file.SkinName, QStringLiteral("Test skin"));
        QCOMPARE(file.Author, QStringLiteral("Tester"));
        QCOMPARE(file.MainBmp->size(), QSize(7, 5));
        QCOMPARE(QColor(file.MainBmp->pixel(3, 3)), QColor(10, 20, 30));
        QCOMPARE(file.ParentIni->ReadString("PARENT", "play", ""), QStringLiteral("MAIN"));
        // Missing members leave their objects empty.
        QVERIFY(file.EquaIni->FindSection("SKIN_OBJS") < 0);
        QVERIFY(file.EquaBmp->isNull());
        QVERIFY(file.MaskBmp->isNull());
    }

    void badBitmapStopsLaterMembersSilently_data() {
        QTest::addColumn<QByteArray>("mainBmp");
        QTest::newRow("not a bitmap") << QByteArray("certainly not a BMP");
        QTest::newRow("100000 x 100000") << HugeBmpHeader();
    }
    void badBitmapStopsLaterMembersSilently() {
        QFETCH(QByteArray, mainBmp);
        TQXSPFile file;
        QVERIFY(Load(file, PackageBytes({{"main.ini", "[A]\r\nx=1\r\n"}})));
        QVERIFY(Load(file, PackageBytes({{"main.ini", "[B]\r\nx=1\r\n"},
                                         {"main.bmp", mainBmp},
                                         {"parent.ini", "[PARENT]\r\nPLAY=MAIN\r\n"},
                                         {"equa.bmp", BmpBytes(3, 3, qRgb(0, 0, 0))}},
                                        "Second")));
        QCOMPARE(file.Project->ReadString("B", "x", ""), QStringLiteral("1"));
        QVERIFY(file.MainBmp->isNull());
        QVERIFY(file.ParentIni->FindSection("PARENT") < 0);
        QVERIFY(file.EquaBmp->isNull());
        QCOMPARE(file.SkinName, QStringLiteral("Test skin")); // the previous load's
    }

    void cutShortPackageRaisesAfterLoadingWhatWasRead() {
        QByteArray bytes = PackageBytes({{"main.ini", "[SKIN_OBJS]\r\nPLAY=1,2,3,4\r\n"},
                                         {"main.bmp", BmpBytes(64, 64, qRgb(9, 9, 9))}});
        bytes.chop(10);
        TQXSPFile file;
        QVERIFY_THROWS_EXCEPTION(EReadError, Load(file, bytes));
        QCOMPARE(file.Project->ReadString("SKIN_OBJS", "PLAY", ""), QStringLiteral("1,2,3,4"));
        QVERIFY(file.MainBmp->isNull());
    }

    void loadFromMissingFileRaises() {
        TQXSPFile file;
        QVERIFY_THROWS_EXCEPTION(EVESKError, file.LoadFromFile("/nonexistent/skin.qxsp"));
    }

    void fontsInstalledOnceAndRemoved() {
        const QByteArray font = "pretend font bytes";
        const QByteArray bytes =
            PackageBytes({{"Font.TTF", font}, {"font.ttf.bak", "backup"}, {"main.ini", ""}});
        const QString folder = FontsFolder();
        const QString installed = folder + "veskskin_Font.TTF";
        {
            TQXSPFile file;
            QVERIFY(Load(file, bytes));
        }
        QVERIFY(QFile::exists(installed));
        QVERIFY(!QFile::exists(folder + "veskskin_font.ttf.bak"));

        // A second load of the same skin reuses the file as it is.
        {
            QFile changed(installed);
            QVERIFY(changed.open(QIODevice::WriteOnly));
            changed.write("marker");
        }
        TQXSPFile again;
        QVERIFY(Load(again, bytes));
        QFile check(installed);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("marker"));
        check.close();

        RemoveFonts(folder);
        QVERIFY(!QFile::exists(installed));
    }

    void escapingFontNamesAreNotWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../x.ttf";
        QTest::newRow("subfolder") << "a/b.ttf";
        QTest::newRow("absolute") << "/abs.ttf";
        QTest::newRow("backslash") << "..\\y.ttf";
    }
    void escapingFontNamesAreNotWritten() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString folder = dir.filePath("fonts/");
        auto stream = NewMemoryStream("payload");
        InstallFont(folder, name, *stream);
        QDir root(dir.path());
        const QStringList everything =
            root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QVERIFY2(everything.isEmpty() ||
                     (everything == QStringList{"fonts"} && QDir(folder).isEmpty()),
                 qPrintable(everything.join(',')));
        QVERIFY(!QFile::exists(dir.filePath("veskskin_../x.ttf")));
        QVERIFY(!QFile::exists("/abs.ttf"));
    }
};

QX_REGISTER_TEST(TestQXSPFile)
#include "tst_QXSPFile.moc"
