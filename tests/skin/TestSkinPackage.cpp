#include <QFile>
#include <QTest>

#include "DefaultSkin.h"
#include "storage/VESKCodePage.h"
#include "TestRegistry.h"

// The package the editor starts with and the templates it falls back on.
class TestSkinPackage : public QObject {
    Q_OBJECT

private slots:
    void membersInManifestOrder() {
        const QStringList expected = {"main.ini",  "main.bmp", "mask.bmp",        "parent.ini",
                                      "equa.ini",  "equa.bmp", "tray.ini",        "tray.bmp",
                                      "tray_parent.ini", "imglist.bmp", "info.txt"};
        QCOMPARE(TDefaultSkin::Instance().MemberNames(), expected);
    }

    void headerNamesTheSkin() {
        QVERIFY(!TDefaultSkin::Instance().SkinName().isEmpty());
        QVERIFY(!TDefaultSkin::Instance().Author().isEmpty());
    }

    void bitmapsAre24Bit_data() {
        QTest::addColumn<QString>("member");
        for (const char* name : {"main.bmp", "mask.bmp", "equa.bmp", "tray.bmp", "imglist.bmp"})
            QTest::newRow(name) << QString(name);
    }
    void bitmapsAre24Bit() {
        QFETCH(QString, member);
        QCOMPARE(BmpBitCount(TDefaultSkin::Instance().Member(member)), 24);
        QVERIFY(!TDefaultSkin::Instance().Bitmap(member).isNull());
    }

    // The loader reads the equalizer and tray templates when a package
    // lacks them; they must be the default skin's own members.
    void templatesMatchTheMembers_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("member");
        QTest::newRow("EQI") << ":/skin/EQI" << "equa.ini";
        QTest::newRow("EQS") << ":/skin/EQS" << "equa.bmp";
        QTest::newRow("TCC") << ":/skin/TCC" << "tray.ini";
        QTest::newRow("TCS") << ":/skin/TCS" << "tray.bmp";
    }
    void templatesMatchTheMembers() {
        QFETCH(QString, resource);
        QFETCH(QString, member);
        QFile file(resource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes, TDefaultSkin::Instance().Member(member));
    }

    void builtPackageIsTheResource() {
        const QString built = QStringLiteral(QX_TEST_BINARY_DIR "/skins/default.qxsp");
        QFile file(built), resource(":/skin/DEFAULT");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(built));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), resource.readAll());
    }

    // The player reads INI members as code page text with CR LF line ends,
    // and the description in Russian.
    void textMembersUseCrLfAndTheCodePage_data() {
        QTest::addColumn<QString>("member");
        for (const char* name :
             {"main.ini", "parent.ini", "equa.ini", "tray.ini", "tray_parent.ini", "info.txt"})
            QTest::newRow(name) << QString(name);
    }
    void textMembersUseCrLfAndTheCodePage() {
        QFETCH(QString, member);
        const QByteArray text = TDefaultSkin::Instance().Member(member);
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.startsWith("\xFF\xFE"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        if (member == "info.txt")
            QVERIFY(AnsiToWide(text).contains(QString::fromUtf8("обложка")));
    }
};

QX_REGISTER_TEST(TestSkinPackage)
#include "TestSkinPackage.moc"
