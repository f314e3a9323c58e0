#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "storage/FontsCleanup.h"
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
        // What cannot be read drops nothing after it.
        QTest::newRow("count no number")
            << QByteArray("[SKIN_THEMES]\r\nCount=many\r\nName1=A\r\nTheme1=5\r\nName2=B\r\n")
            << QStringList{"Default", "A", "B"} << QList<int>{0, 5, 0};
        QTest::newRow("hue no number")
            << QByteArray("[SKIN_THEMES]\r\nCount=3\r\nTheme1=1\r\nTheme2=2  \r\nTheme3=5\r\n")
            << QStringList{"Default", "Noname", "Noname", "Noname"} << QList<int>{0, 1, 0, 5};
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
        QVERIFY(file.FellBack);
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

    // Ended by a signal, or crashed and started again: fonts never outlive
    // the run that wrote them.
    void fontsGoAlsoWhenARunEnds_data() {
        QTest::addColumn<int>("ending"); // a signal, or 0 for a run that is gone
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("crashed run") << 0;
    }
    void fontsGoAlsoWhenARunEnds() {
        QFETCH(int, ending);
        QTemporaryDir dir;
        const auto runFolder = [&](qint64 pid) {
            const QString folder = dir.filePath(QString::number(pid) + u'/');
            QDir().mkpath(folder);
            WriteFile(folder + "veskskin_a.ttf", "font");
            return folder;
        };
        const QString alive = runFolder(QCoreApplication::applicationPid());
        QProcess ended;
        ended.start("true", {});
        QVERIFY(ended.waitForStarted());
        const QString gone = ending ? alive : runFolder(ended.processId());
        QVERIFY(ended.waitForFinished());
        if (ending) {
            // Set up before the fork: the child of a threaded process may do
            // only what a signal handler may.
            RemoveFontsOnSignals(alive);
            const pid_t child = fork();
            if (child == 0) {
                raise(ending);
                _exit(0);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == ending);
        } else {
            RemoveStaleFontFolders(dir.path());
            QVERIFY(QFile::exists(alive + "veskskin_a.ttf"));
        }
        QVERIFY(!QDir(gone).exists());
    }
};

QX_REGISTER_TEST(TestQXSPFile)
#include "tst_QXSPFile.moc"
