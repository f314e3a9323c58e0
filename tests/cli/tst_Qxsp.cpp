#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "QxspProcess.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKStreams.h"

class TestQxsp : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    void makeSourceFolder(const QString& folder) {
        QDir().mkpath(path(folder));
        WriteFile(path(folder + "/main.ini"), "[SKIN_OBJS]\r\nPLAY=1,2,3,4\r\n\r\n");
        WriteFile(path(folder + "/main.bmp"), QByteArray(4000, 'x'));
        WriteFile(path(folder + "/info.txt"), QByteArray());
        WriteFile(path(folder + "/qxsp-manifest.txt"),
                  "skin=Blue\nauthor=Ann\nmember=main.ini\nmember=main.bmp\nmember=info.txt\n");
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(QxspPath())); }

    void packListExtract() {
        makeSourceFolder("a");
        QCOMPARE(Qxsp({"pack", path("a"), path("a.qxsp")}).status, 0);
        const QxspRun list = Qxsp({"list", path("a.qxsp")});
        QCOMPARE(list.status, 0);
        QVERIFY(list.out.contains("Skin:    Blue"));
        QVERIFY(list.out.contains("Author:  Ann"));
        QVERIFY(list.out.contains("Members: 3"));
        QVERIFY(list.out.indexOf("main.ini") < list.out.indexOf("main.bmp"));
        QVERIFY(list.out.indexOf("main.bmp") < list.out.indexOf("info.txt"));

        const QxspRun toStdout = Qxsp({"extract", path("a.qxsp"), "MAIN.INI"});
        QCOMPARE(toStdout.status, 0);
        QCOMPARE(toStdout.out, ReadFile(path("a/main.ini")));
        QCOMPARE(Qxsp({"extract", path("a.qxsp"), "main.bmp", "-o", path("out.bmp")}).status, 0);
        QCOMPARE(ReadFile(path("out.bmp")), ReadFile(path("a/main.bmp")));
    }

    void unpackPackIsByteIdentical() {
        makeSourceFolder("b");
        QCOMPARE(Qxsp({"pack", path("b"), path("b1.qxsp")}).status, 0);
        QCOMPARE(Qxsp({"unpack", path("b1.qxsp"), path("b-out")}).status, 0);
        QCOMPARE(Qxsp({"pack", path("b-out"), path("b2.qxsp")}).status, 0);
        QCOMPARE(ReadFile(path("b2.qxsp")), ReadFile(path("b1.qxsp")));

        // The package also survives a load and save through the container.
        const QByteArray original = ReadFile(path("b1.qxsp"));
        TVESKCustomFile package;
        QBuffer in;
        in.setData(original);
        in.open(QIODevice::ReadOnly);
        QVERIFY(package.LoadFromStream(in));
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        package.SaveToStream(out);
        QCOMPARE(out.data(), original);
    }

    void addAndRemoveInPlace() {
        makeSourceFolder("c");
        QCOMPARE(Qxsp({"pack", path("c"), path("c.qxsp")}).status, 0);
        WriteFile(path("font.ttf"), "not really a font");
        QCOMPARE(Qxsp({"add", path("c.qxsp"), "Font.ttf", path("font.ttf")}).status, 0);
        QCOMPARE(Qxsp({"add", path("c.qxsp"), "main.ini", path("font.ttf")}).status, 0);
        const QxspRun list = Qxsp({"list", path("c.qxsp")});
        QVERIFY(list.out.contains("Members: 4"));
        QVERIFY(list.out.indexOf("Font.ttf") < list.out.indexOf("main.ini"));
        QCOMPARE(Qxsp({"extract", path("c.qxsp"), "MAIN.INI"}).out,
                 QByteArray("not really a font"));

        QCOMPARE(Qxsp({"remove", path("c.qxsp"), "info.txt"}).status, 0);
        QVERIFY(Qxsp({"list", path("c.qxsp")}).out.contains("Members: 3"));
        const QByteArray before = ReadFile(path("c.qxsp"));
        const QxspRun missing = Qxsp({"remove", path("c.qxsp"), "info.txt"});
        QCOMPARE(missing.status, 1);
        QCOMPARE(ReadFile(path("c.qxsp")), before);
    }

    // A name goes in only when it comes out of the package as the same file
    // again; otherwise nothing is written at all.
    void refusesNamesThatWouldNotComeBack_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("message");
        const QString long33 = QString(29, u'n') + ".ttf";
        QTest::newRow("add: 33 characters") << "add" << QStringList{long33} << QByteArray("longer");
        QTest::newRow("add: a twin by letter case")
            << "add" << QStringList{"MAIN.INI"} << QByteArray("would replace member \"main.ini\"");
        QTest::newRow("add: a path") << "add" << QStringList{"../x.ttf"} << QByteArray("refusing");
        QTest::newRow("add: outside the code page")
            << "add" << QStringList{u"\u65E5.ttf"_qs} << QByteArray("cannot store");
        QTest::newRow("pack: 33 characters")
            << "pack" << QStringList{"main.ini", long33} << QByteArray("longer");
        QTest::newRow("pack: twins by letter case")
            << "pack" << QStringList{"main.ini", "Main.INI"} << QByteArray("collide");
    }
    void refusesNamesThatWouldNotComeBack() {
        QFETCH(QString, command);
        QFETCH(QStringList, names);
        QFETCH(QByteArray, message);
        makeSourceFolder("names");
        QCOMPARE(Qxsp({"pack", path("names"), path("names.qxsp")}).status, 0);
        const QByteArray before = ReadFile(path("names.qxsp"));
        QxspRun run;
        if (command == QLatin1String("add")) {
            run = Qxsp({"add", path("names.qxsp"), names.first(), path("names/main.ini")});
        } else {
            QString manifest = "skin=S\nauthor=A\n";
            for (const QString& name : names) {
                WriteFile(path("names/" + name), "x");
                manifest += "member=" + name + "\n";
            }
            WriteFile(path("names/qxsp-manifest.txt"), manifest.toUtf8());
            run = Qxsp({"pack", path("names"), path("names.qxsp")});
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(ReadFile(path("names.qxsp")), before);
    }

    void listShowsNamesAsTheyAre() {
        makeSourceFolder("percent");
        WriteFile(path("percent/100%2 %1.txt"), "x");
        WriteFile(path("percent/qxsp-manifest.txt"), "member=100%2 %1.txt\n");
        QCOMPARE(Qxsp({"pack", path("percent"), path("percent.qxsp")}).status, 0);
        const QxspRun list = Qxsp({"list", path("percent.qxsp")});
        QVERIFY2(list.out.contains("100%2 %1.txt" + QByteArray(20, ' ') + "          1"),
                 list.out.constData());
    }

    void exitStatusesAndMessages_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no arguments") << QStringList{} << 2 << QByteArray("usage");
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << 2 << QByteArray("unknown command");
        QTest::newRow("missing argument")
            << QStringList{"list"} << 2 << QByteArray("usage: qxsp list FILE");
        QTest::newRow("-o without file")
            << QStringList{"extract", "x", "y", "-o"} << 2 << QByteArray("usage");
        QTest::newRow("no such file")
            << QStringList{"list", "/nonexistent/x.qxsp"} << 1 << QByteArray("cannot open");
    }
    void exitStatusesAndMessages() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        const QxspRun run = Qxsp(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), run.err.constData());
        if (!args.isEmpty())
            QCOMPARE(run.err.count('\n'), qsizetype(1));
    }

    void helpGoesToStandardOutput() {
        const QxspRun run = Qxsp({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("qxsp unpack FILE DIR"));
    }

    void notAPackageIsBadInput() {
        WriteFile(path("text.qxsp"),
                  "just some text, not a package at all, long enough for a header "
                  "of seventy-six bytes anyway");
        const QxspRun run = Qxsp({"list", path("text.qxsp")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("is not a skin package"));
    }

    void hugeCompressedClaimFailsCheaply() {
        QByteArray bytes = PackageBytes({{"main.ini", "x"}});
        // The first record's compressed size: 4 GiB minus one.
        const int sizeField = 76 + 40;
        bytes[sizeField] = bytes[sizeField + 1] = bytes[sizeField + 2] = bytes[sizeField + 3] =
            '\xFF';
        WriteFile(path("huge.qxsp"), bytes);
#ifdef QX_SANITIZE_BUILD
        const QxspRun run = Qxsp({"list", path("huge.qxsp")});
#else
        // With 300 MB of address space any attempt to allocate the claim fails
        // as "out of memory" instead of the read error.
        QProcess shell;
        shell.start("/bin/sh", {"-c", "ulimit -v 300000; exec \"$0\" list \"$1\"", QxspPath(),
                                path("huge.qxsp")});
        shell.waitForFinished(60000);
        const QxspRun run{shell.exitCode(), shell.readAllStandardOutput(),
                          shell.readAllStandardError()};
#endif
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("Stream read error"), run.err.constData());
    }

    void unpackRefusesEscapingNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../x.ttf";
        QTest::newRow("subfolder") << "a/b.ttf";
        QTest::newRow("absolute") << "/abs.ttf";
        QTest::newRow("backslash") << "..\\x.ttf";
        QTest::newRow("dot-dot") << "..";
    }
    void unpackRefusesEscapingNames() {
        QFETCH(QString, name);
        WriteFile(path("evil.qxsp"), PackageBytes({{"ok.txt", "fine"}, {name, "payload"}}));
        const QString target = path("evil-out/inner");
        const QxspRun run = Qxsp({"unpack", path("evil.qxsp"), target});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("refusing member name"));
        QVERIFY(!QFile::exists(path("evil-out/x.ttf")));
        QVERIFY(!QFile::exists("/abs.ttf"));
        QVERIFY(!QFile::exists(target + "/ok.txt"));
    }

    void failedExtractKeepsTheOutputFile() {
        makeSourceFolder("d");
        QCOMPARE(Qxsp({"pack", path("d"), path("d.qxsp")}).status, 0);
        WriteFile(path("keep.bin"), "precious");
        QCOMPARE(Qxsp({"extract", path("d.qxsp"), "nothere.bmp", "-o", path("keep.bin")}).status,
                 1);
        QCOMPARE(ReadFile(path("keep.bin")), QByteArray("precious"));
    }
};

QX_REGISTER_TEST(TestQxsp)
#include "tst_Qxsp.moc"
