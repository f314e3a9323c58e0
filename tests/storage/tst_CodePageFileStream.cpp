#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include "TestRegistry.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKFileStreamW.h"

class TestCodePageFileStream : public QObject {
    Q_OBJECT

private slots:
    void codePageConversions_data() {
        QTest::addColumn<QString>("wide");
        QTest::addColumn<QByteArray>("ansi");
        QTest::addColumn<bool>("roundTrips");
        QTest::newRow("russian") << QStringLiteral("Тёмная тема №2 «Ёж»")
                                 << QByteArray("\xD2\xB8\xEC\xED\xE0\xFF \xF2\xE5\xEC\xE0 \xB9"
                                               "2 \xAB\xA8\xE6\xBB")
                                 << true;
        QTest::newRow("ascii") << QStringLiteral("main.ini") << QByteArray("main.ini") << true;
        QTest::newRow("euro and dashes")
            << QStringLiteral("€–—") << QByteArray("\x88\x96\x97") << true;
        QTest::newRow("outside the code page")
            << QStringLiteral("日本 é") << QByteArray("?? ?") << false;
        QTest::newRow("replacement character")
            << QStringLiteral("\uFFFD") << QByteArray("?") << false;
    }
    void codePageConversions() {
        QFETCH(QString, wide);
        QFETCH(QByteArray, ansi);
        QFETCH(bool, roundTrips);
        QCOMPARE(WideToAnsi(wide), ansi);
        if (roundTrips)
            QCOMPARE(AnsiToWide(ansi), wide);
    }

    void everyByteRoundTrips() {
        // 0x98 too, which the code page leaves unassigned: text read and
        // written back keeps it.
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, char(byte));
            const QString wide = AnsiToWide(one);
            QCOMPARE(wide.size(), 1);
            QCOMPARE(WideToAnsi(wide), one);
        }
    }

    void openModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("read") << 0x0000 << true << false << QByteArray("0123456789");
        QTest::newRow("read, deny write") << 0x0020 << true << false << QByteArray("0123456789");
        QTest::newRow("write") << 0x0001 << false << true << QByteArray("AB23456789");
        QTest::newRow("read write") << 0x0002 << true << true << QByteArray("AB23456789");
        QTest::newRow("create") << 0xFFFF << true << true << QByteArray("AB");
    }
    void openModes() {
        QFETCH(int, mode);
        QFETCH(bool, readable);
        QFETCH(bool, writable);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("тема.qxsp"));
        WriteFile(path, "0123456789");
        {
            TVESKFileStreamW stream(path, quint16(mode));
            QVERIFY(stream.IsValid());
            QCOMPARE(stream.isReadable(), readable);
            QCOMPARE(stream.isWritable(), writable);
            if (writable)
                QCOMPARE(stream.write("AB"), 2);
        }
        QVERIFY(QFile::exists(path));
        QCOMPARE(ReadFile(path), after);
    }

    void openFailures() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("missing.qxsp");
        QVERIFY(!TVESKFileStreamW(missing, TVESKFileStreamW::fmOpenRead).IsValid());
        QVERIFY(!TVESKFileStreamW(missing, TVESKFileStreamW::fmOpenWrite).IsValid());
        QVERIFY(!TVESKFileStreamW(missing, TVESKFileStreamW::fmOpenReadWrite).IsValid());
        QVERIFY(!QFile::exists(missing)); // opening never creates
        QVERIFY(!TVESKFileStreamW(dir.path(), TVESKFileStreamW::fmOpenWrite).IsValid());
        QVERIFY(TVESKFileStreamW(missing, TVESKFileStreamW::fmCreate).IsValid());
    }

    void fileExists() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("шрифт.ttf"));
        WriteFile(file, "x");
        QVERIFY(FileExistsW(file));
        QVERIFY(!FileExistsW(dir.path()));
        QVERIFY(!FileExistsW(dir.filePath("none.ttf")));
        QVERIFY(!FileExistsW(QString()));
    }

    void packageThroughARealFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Синий.qxsp"));
        TVESKCustomFile written;
        QBuffer content;
        content.setData("[SKIN]\r\n");
        content.open(QIODevice::ReadOnly);
        written.AddFile("main.ini", &content);
        {
            TVESKFileStreamW out(path, TVESKFileStreamW::fmCreate);
            written.SaveToStream(out);
        }
        TVESKFileStreamW in(path, TVESKFileStreamW::fmOpenRead);
        TVESKCustomFile read;
        QVERIFY(read.LoadFromStream(in));
        const auto member = read.ExtractFile("MAIN.INI");
        QVERIFY(member != nullptr);
        QCOMPARE(member->readAll(), QByteArray("[SKIN]\r\n"));
    }
};

QX_REGISTER_TEST(TestCodePageFileStream)
#include "tst_CodePageFileStream.moc"
