#include <QBuffer>
#include <QTest>

#include "TestRegistry.h"
#include "storage/VESKErrors.h"
#include "text/VESKStringListW.h"

namespace {

QStringList Lines(const TVESKStringListW& list) {
    QStringList lines;
    for (int i = 0; i < list.Count(); ++i)
        lines << list.Strings(i);
    return lines;
}

} // namespace

class TestStringListW : public QObject {
    Q_OBJECT

private slots:
    void setText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const QChar nul(u'\0');
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one line") << "abc" << QStringList{"abc"};
        QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("line separator") << u"a\u2028b"_qs << QStringList{"a", "b"};
        QTest::newRow("empty lines vanish") << "a\r\n\r\n\n\rb\r\n\r\n" << QStringList{"a", "b"};
        QTest::newRow("leading break") << "\r\na" << QStringList{"", "a"};
        QTest::newRow("only breaks") << "\r\n\n\r" << QStringList{""};
        QTest::newRow("NULs after a break skipped")
            << QString("a\r") + nul + nul + "b" << QStringList{"a", "b"};
        QTest::newRow("NUL inside a line kept")
            << QString("a") + nul + "b\nc" << QStringList{QString("a") + nul + "b", "c"};
        QTest::newRow("leading NUL kept") << nul + QString("a") << QStringList{nul + QString("a")};
        QTest::newRow("blanks kept") << "  a  \n b" << QStringList{"  a  ", " b"};
    }
    void setText() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        TVESKStringListW list;
        list.AddPair("old", "name");
        list.SetText(text);
        QCOMPARE(Lines(list), lines);
        for (int i = 0; i < list.Count(); ++i) {
            QVERIFY(list.Names(i).isEmpty());
            QVERIFY(!list.Objects(i));
        }
    }

    void loadFromStream_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no bytes") << QByteArray() << 0 << QStringList();
        QTest::newRow("one byte") << QByteArray("a") << 0 << QStringList();
        QTest::newRow("two code page bytes") << QByteArray("ab") << 0 << QStringList{"ab"};
        QTest::newRow("mark only") << QByteArray("\xFF\xFE") << 0 << QStringList();
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFEh\0i\0\r\0\n\0\x1F\x04", 12) << 0
                                  << QStringList{"hi", u"\u041F"_qs};
        QTest::newRow("odd UTF-16 byte dropped")
            << QByteArray("\xFF\xFEh\0i", 5) << 0 << QStringList{"h"};
        QTest::newRow("Windows-1251")
            << QByteArray("\xCF\xF0\xE8\r\n\xE2\xE5\xF2") << 0
            << QStringList{u"\u041F\u0440\u0438"_qs, u"\u0432\u0435\u0442"_qs};
        QTest::newRow("UTF-8 without mark read as code page")
            << QByteArray("\xD0\x9F") << 0 << QStringList{u"\u0420\u045F"_qs};
        QTest::newRow("UTF-8 after its mark")
            << QByteArray("\xEF\xBB\xBF\xD0\x9F\r\nok") << 0 << QStringList{u"\u041F"_qs, "ok"};
        QTest::newRow("UTF-8 mark at the position")
            << QByteArray("zz\xEF\xBB\xBFok") << 2 << QStringList{"ok"};
        QTest::newRow("big-endian mark is text")
            << QByteArray("\xFE\xFF") << 0 << QStringList{u"\u044E\u044F"_qs};
        QTest::newRow("from the position") << QByteArray("xyab") << 2 << QStringList{"ab"};
        QTest::newRow("mark at the position")
            << QByteArray("zz\xFF\xFEo\0k\0", 8) << 2 << QStringList{"ok"};
    }
    void loadFromStream() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, start);
        QFETCH(QStringList, lines);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(buffer.seek(start));
        TVESKStringListW list;
        QVERIFY(list.LoadFromStream(buffer));
        QCOMPARE(Lines(list), lines);
    }

    void loadAtEndRaises() {
        QByteArray bytes("abc");
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(buffer.seek(2));
        TVESKStringListW list;
        QVERIFY_THROWS_EXCEPTION(EReadError, list.LoadFromStream(buffer));
    }

    void outsideTheRange() {
        TVESKStringListW list;
        list.AddPair("v", "k");
        for (int index : {-1, 1, 100}) {
            QVERIFY(list.Strings(index).isEmpty());
            QVERIFY(list.Names(index).isEmpty());
            QVERIFY(!list.Objects(index));
            list.SetStrings(index, "x");
            QVERIFY(!list.Delete(index));
        }
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.Strings(0), QString("v"));
        QVERIFY(list.Delete(0));
        QCOMPARE(list.Count(), 0);
    }

    void indexOfName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "Play_NRM" << 1;
        QTest::newRow("other case") << "play_nrm" << 1;
        QTest::newRow("Cyrillic case") << u"\u043A\u043B\u044E\u0447"_qs << 2;
        QTest::newRow("first duplicate") << "dup" << 3;
        QTest::newRow("prefix is no match") << "Play" << -1;
        QTest::newRow("longer is no match") << "Play_NRMX" << -1;
        QTest::newRow("empty name") << "" << 0;
    }
    void indexOfName() {
        QFETCH(QString, name);
        QFETCH(int, index);
        TVESKStringListW list;
        list.AddPair("novalue", "");
        list.AddPair("1", "PLAY_NRM");
        list.AddPair("2", u"\u041A\u041B\u042E\u0427"_qs);
        list.AddPair("3", "DUP");
        list.AddPair("4", "dup");
        QCOMPARE(list.IndexOfName(name), index);
    }
};

QX_REGISTER_TEST(TestStringListW)
#include "TestStringListW.moc"
