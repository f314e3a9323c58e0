#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestRegistry.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"
#include "text/VESKIniFileW.h"

namespace {

// The document as "[section]" and "key=value" lines.
QStringList Dump(const TVESKIniFileW& ini) {
    QStringList lines;
    for (int s = 0; s < ini.Sections.Count(); ++s) {
        lines << "[" + ini.Sections.Strings(s) + "]";
        const TVESKStringListW* keys = ini.Sections.Objects(s);
        for (int k = 0; k < keys->Count(); ++k)
            lines << keys->Names(k) + "=" + keys->Strings(k);
    }
    return lines;
}

void Load(TVESKIniFileW& ini, const QByteArray& bytes) {
    auto stream = NewMemoryStream(bytes);
    ini.LoadFromStream(*stream);
}

QByteArray Save(TVESKIniFileW& ini, bool ansi) {
    auto stream = NewMemoryStream();
    ini.SaveToStream(*stream, ansi);
    return stream->data();
}

QByteArray Utf16(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

const QByteArray kSkin = "[SKIN_RECTS]\r\nPLAY_NRM=1,2,3,4\r\nStop=5\r\n\r\n"
                         "[X]\r\na=first\r\n[SKIN_OBJS]\r\nLIB=0,0,10,10\r\n[x]\r\na=second\r\n";

// A hang guard, not a speed measurement: quadratic work on the large inputs
// below takes many minutes, linear work well under a second even on a loaded
// machine under the sanitizers, so the bound sits far from both.
constexpr qint64 kBudgetMs = 60000;

} // namespace

class TestIniFileW : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("dump");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("one byte") << QByteArray("[") << QStringList();
        QTest::newRow("two sections") << QByteArray("[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2")
                                      << QStringList{"[A]", "x=1", "[B]", "y=2"};
        QTest::newRow("blanks kept")
            << QByteArray("[S]\r\n a = b ") << QStringList{"[S]", " a = b "};
        QTest::newRow("split at first =")
            << QByteArray("[S]\nk=v=w") << QStringList{"[S]", "k=v=w"};
        QTest::newRow("no = is a nameless key")
            << QByteArray("[S]\nnovalue") << QStringList{"[S]", "=novalue"};
        QTest::newRow("no comments")
            << QByteArray("[S]\n;comment=1") << QStringList{"[S]", ";comment=1"};
        QTest::newRow("empty key and value")
            << QByteArray("[S]\n=v\nk=") << QStringList{"[S]", "=v", "k="};
        QTest::newRow("last character dropped")
            << QByteArray("[SKIN_RECTS] \r\nk=1") << QStringList{"[SKIN_RECTS]]", "k=1"};
        QTest::newRow("unclosed bracket") << QByteArray("[AB") << QStringList{"[A]"};
        QTest::newRow("bare brackets") << QByteArray("[\n[]") << QStringList{"[]", "[]"};
        QTest::newRow("keys before any section ignored")
            << QByteArray("a=1\nb\n[S]\nc=3") << QStringList{"[S]", "c=3"};
        QTest::newRow("duplicate sections kept")
            << QByteArray("[X]\na=1\n[X]\na=2") << QStringList{"[X]", "a=1", "[X]", "a=2"};
        QTest::newRow("only line breaks") << QByteArray("\r\n\r\n") << QStringList();
        QTest::newRow("NUL inside a value kept")
            << QByteArray("[S]\na=b\0c", 9) << QStringList{"[S]", QString("a=b") + QChar() + "c"};
        QTest::newRow("UTF-16 with mark")
            << QByteArray("\xFF\xFE") + Utf16(u"[\u0422]\r\n\u043A=\u20AC"_qs)
            << QStringList{u"[\u0422]"_qs, u"\u043A=\u20AC"_qs};
    }
    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, dump);
        TVESKIniFileW ini;
        Load(ini, text);
        QCOMPARE(Dump(ini), dump);
    }

    void loadAppends() {
        TVESKIniFileW ini;
        Load(ini, "[A]\nx=1");
        Load(ini, "[A]\nx=2\n[B]");
        QCOMPARE(Dump(ini), (QStringList{"[A]", "x=1", "[A]", "x=2", "[B]"}));
        QCOMPARE(ini.ReadString("a", "X", ""), QString("1"));
    }

    void saveAnsi() {
        TVESKIniFileW ini;
        Load(ini, "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n[C]\r\nnovalue");
        QCOMPARE(Save(ini, true),
                 QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\n=novalue\r\n\r\n"));
    }

    void saveEmpty() {
        TVESKIniFileW ini;
        QCOMPARE(Save(ini, true), QByteArray());
        QCOMPARE(Save(ini, false), QByteArray("\xFF\xFE"));
    }

    void saveUtf16() {
        TVESKIniFileW ini;
        ini.WriteString("S", "k", "v");
        QCOMPARE(Save(ini, false), QByteArray("\xFF\xFE") + Utf16("[S]\r\nk=v\r\n\r\n"));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ansiValue");
        QTest::newRow("ASCII") << "1,2,3,4"
                               << "1,2,3,4";
        QTest::newRow("Russian") << u"\u041E\u0431\u043B\u043E\u0436\u043A\u0430 \u0451\u0401"_qs
                                 << u"\u041E\u0431\u043B\u043E\u0436\u043A\u0430 \u0451\u0401"_qs;
        QTest::newRow("outside the code page") << u"\u4E2D\u00E9\u20AC"_qs << u"??\u20AC"_qs;
        QTest::newRow("surrogate pair") << u"a\U0001F600b"_qs << "a??b";
        // The code page's one unassigned byte, read from a member as it is.
        QTest::newRow("byte 0x98") << u"x\u0098y"_qs << u"x\u0098y"_qs;
    }
    void roundTrip() {
        QFETCH(QString, value);
        QFETCH(QString, ansiValue);
        TVESKIniFileW ini;
        ini.WriteString("S", "key", value);
        for (bool ansi : {false, true}) {
            TVESKIniFileW copy;
            Load(copy, Save(ini, ansi));
            QCOMPARE(copy.ReadString("S", "key", "missing"), ansi ? ansiValue : value);
        }
        // Code page text without a mark is written back byte for byte.
        const QByteArray ansi = Save(ini, true);
        TVESKIniFileW copy;
        Load(copy, ansi);
        QCOMPARE(Save(copy, true), ansi);
    }

    void readString_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("exact") << "SKIN_RECTS"
                               << "PLAY_NRM"
                               << "1,2,3,4";
        QTest::newRow("any case") << "Skin_Rects"
                                  << "play_nrm"
                                  << "1,2,3,4";
        QTest::newRow("first duplicate section") << "x"
                                                 << "A"
                                                 << "first";
        QTest::newRow("missing key") << "SKIN_RECTS"
                                     << "LIB"
                                     << "default";
        QTest::newRow("missing section") << "SKIN_FONTS"
                                         << "LIB"
                                         << "default";
        QTest::newRow("other section") << "skin_objs"
                                       << "lib"
                                       << "0,0,10,10";
    }
    void readString() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TVESKIniFileW ini;
        Load(ini, kSkin);
        // Twice: the second lookup goes through the section cache.
        QCOMPARE(ini.ReadString(section, key, "default"), value);
        QCOMPARE(ini.ReadString(section, key, "default"), value);
    }

    void writeString() {
        TVESKIniFileW ini;
        Load(ini, "[Sec]\nAlpha=1\nBeta=2");
        ini.WriteString("SEC", "ALPHA", "10");
        ini.WriteString("sec", "Gamma", "3");
        ini.WriteString("New", "k", "v");
        ini.WriteString("sec", "gamma", "30");
        QCOMPARE(Dump(ini),
                 (QStringList{"[Sec]", "Alpha=10", "Beta=2", "Gamma=30", "[New]", "k=v"}));
    }

    void writeChangesFirstDuplicate() {
        TVESKIniFileW ini;
        Load(ini, "[X]\na=1\na=2\n[X]\na=3");
        ini.WriteString("x", "A", "9");
        QCOMPARE(Dump(ini), (QStringList{"[X]", "a=9", "a=2", "[X]", "a=3"}));
    }

    void readBool_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("result");
        QTest::newRow("1") << QByteArray("b=1") << false << true;
        QTest::newRow("0") << QByteArray("b=0") << true << false;
        QTest::newRow("true") << QByteArray("b=true") << true << false;
        QTest::newRow("2") << QByteArray("b=2") << true << false;
        QTest::newRow("blank before 1") << QByteArray("b= 1") << true << false;
        QTest::newRow("empty") << QByteArray("b=") << true << false;
        QTest::newRow("missing, default true") << QByteArray("c=0") << true << true;
        QTest::newRow("missing, default false") << QByteArray("c=1") << false << false;
    }
    void readBool() {
        QFETCH(QByteArray, line);
        QFETCH(bool, defaultValue);
        QFETCH(bool, result);
        TVESKIniFileW ini;
        Load(ini, "[S]\n" + line);
        QCOMPARE(ini.ReadBool("S", "b", defaultValue), result);
    }

    void writeBoolAndInteger() {
        TVESKIniFileW ini;
        ini.WriteBool("S", "t", true);
        ini.WriteBool("S", "f", false);
        ini.WriteInteger("S", "n", -2147483647 - 1);
        QCOMPARE(Dump(ini), (QStringList{"[S]", "t=1", "f=0", "n=-2147483648"}));
    }

    void readInteger() {
        TVESKIniFileW ini;
        Load(ini, "[S]\ngood=12\nbad=abc\nempty=\nhex= $1F");
        QCOMPARE(ini.ReadInteger("S", "good", 0), 12);
        QCOMPARE(ini.ReadInteger("S", "hex", 0), 31);
        QCOMPARE(ini.ReadInteger("S", "missing", -7), -7);
        try {
            ini.ReadInteger("S", "bad", 0);
            QFAIL("no error raised");
        } catch (const EConvertError& error) {
            QCOMPARE(error.message(), QString("[S] bad: 'abc' is not a valid integer value"));
        }
        // A document read from a member names it too.
        ini.Origin = "main.ini";
        try {
            ini.ReadInteger("S", "bad", 0);
        } catch (const EConvertError& error) {
            QCOMPARE(error.message(),
                     QString("main.ini [S] bad: 'abc' is not a valid integer value"));
            QCOMPARE(error.Detail(), QString("[S] bad: 'abc' is not a valid integer value"));
        }
        QVERIFY_THROWS_EXCEPTION(EConvertError, ini.ReadInteger("S", "empty", 5));
    }

    void valueExists_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("exists");
        QTest::newRow("present") << "A" << true;
        QTest::newRow("empty value") << "empty" << true;
        QTest::newRow("missing") << "zzz" << false;
        QTest::newRow("the probe value") << "probe" << false;
    }
    void valueExists() {
        QFETCH(QString, key);
        QFETCH(bool, exists);
        TVESKIniFileW ini;
        Load(ini, "[S]\na=1\nempty=\nprobe=__DEMOSTR");
        QCOMPARE(ini.ValueExists("s", key), exists);
        QVERIFY(!ini.ValueExists("none", key));
    }

    void eraseSection() {
        TVESKIniFileW ini;
        Load(ini, "[X]\na=first\n[Y]\nb=1\n[X]\na=second");
        QCOMPARE(ini.FindSection("y"), 1);
        ini.EraseSection("Y");
        // The section that moved into the cached place is a later duplicate;
        // lookups must still take the first.
        QCOMPARE(ini.ReadString("X", "a", ""), QString("first"));
        QCOMPARE(Dump(ini), (QStringList{"[X]", "a=first", "[X]", "a=second"}));
        ini.EraseSection("missing");
        ini.EraseSection("x");
        QCOMPARE(Dump(ini), (QStringList{"[X]", "a=second"}));
    }

    void clear() {
        TVESKIniFileW ini;
        Load(ini, kSkin);
        ini.FindSection("SKIN_OBJS");
        ini.Clear();
        QCOMPARE(ini.Sections.Count(), 0);
        QCOMPARE(ini.FindSection("SKIN_OBJS"), -1);
        QCOMPARE(ini.ReadString("SKIN_RECTS", "PLAY_NRM", "gone"), QString("gone"));
    }

    void files() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = dir.filePath(u"\u0441\u043A\u0438\u043D.ini"_qs);
        {
            TVESKIniFileW ini(name, false);
            QCOMPARE(ini.Sections.Count(), 0);
            ini.WriteString("S", "k", u"\u4E2D"_qs);
            QVERIFY(ini.SaveToFile());
        }
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xFF\xFE") + Utf16(u"[S]\r\nk=\u4E2D\r\n\r\n"_qs));
        file.close();

        TVESKIniFileW loaded(name, false);
        QCOMPARE(loaded.ReadString("s", "K", ""), u"\u4E2D"_qs);
        loaded.Ansi = true;
        QVERIFY(loaded.SaveToFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[S]\r\nk=?\r\n\r\n"));
    }

    void autoSave() {
        QTemporaryDir dir;
        const QString name = dir.filePath("auto.ini");
        {
            TVESKIniFileW ini(name, true);
            ini.Ansi = true;
            ini.WriteInteger("S", "n", 5);
        }
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[S]\r\nn=5\r\n\r\n"));
        file.close();
        {
            TVESKIniFileW ini(name, false);
            ini.WriteInteger("S", "n", 6);
        }
        TVESKIniFileW reread(name, false);
        QCOMPARE(reread.ReadInteger("S", "n", 0), 5);
    }

    void unwritableFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath("missing/dir/x.ini");
        TVESKIniFileW ini(name, true);
        ini.WriteString("S", "k", "v");
        QVERIFY(!ini.SaveToFile());
        ini.FileName = dir.path();
        QVERIFY(!ini.SaveToFile());
        QCOMPARE(ini.ReadString("S", "k", ""), QString("v"));
        // The auto-save at destruction fails quietly as well.
    }

    void largeDocumentsLoadFast_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("sections");
        QByteArray many;
        for (int i = 0; i < 100000; ++i)
            many += "[S" + QByteArray::number(i) + "]\r\nk=v\r\n";
        QTest::newRow("100 000 sections") << many << 100000;
        QByteArray keys = "[S]\n";
        for (int i = 0; i < 100000; ++i)
            keys += "key" + QByteArray::number(i) + "=value\n";
        QTest::newRow("100 000 keys") << keys << 1;
        QTest::newRow("a million breaks") << "[S]" + QByteArray(1000000, '\n') + "k=v" << 1;
        QTest::newRow("a million brackets") << QByteArray(1000000, '[') << 1;
    }
    void largeDocumentsLoadFast() {
        QFETCH(QByteArray, text);
        QFETCH(int, sections);
        QElapsedTimer timer;
        timer.start();
        {
            TVESKIniFileW ini;
            Load(ini, text);
            QCOMPARE(ini.Sections.Count(), sections);
            QVERIFY(!Save(ini, true).isEmpty());
            ini.Clear();
        }
        QVERIFY2(timer.elapsed() < kBudgetMs, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }
};

QX_REGISTER_TEST(TestIniFileW)
#include "TestIniFileW.moc"
