#include <cstring>
#include <functional>

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

#include "TestRegistry.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

QByteArray U32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

quint32 U32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QByteArray Field(const QByteArray& text, int size) {
    QByteArray field = text.left(size);
    field.append(QByteArray(size - field.size(), '\0'));
    return field;
}

QByteArray HeaderBytes(quint32 count, const QByteArray& magic = "QXSP", char version = 0,
                       const QByteArray& name = "Blue", const QByteArray& author = "Me") {
    return magic + QByteArray(1, version) + Field(name, 32) + Field(author, 32) +
           QByteArray(3, '\0') + U32(count);
}

QByteArray RecordBytes(const QByteArray& name, quint32 offset, quint32 size, quint32 packed) {
    return Field(name, 32) + U32(offset) + U32(size) + U32(packed);
}

QByteArray Zlib(const QByteArray& content) {
    uLongf length = compressBound(uLong(content.size()));
    QByteArray out(qsizetype(length), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &length,
              reinterpret_cast<const Bytef*>(content.constData()), uLong(content.size()), 9);
    out.resize(qsizetype(length));
    return out;
}

// A package as a writer with running offsets would lay it out.
QByteArray Package(const QList<QPair<QByteArray, QByteArray>>& members) {
    QByteArray file = HeaderBytes(quint32(members.size()));
    quint32 offset = 0;
    for (const auto& [name, content] : members) {
        const QByteArray packed = Zlib(content);
        file += RecordBytes(name, offset, quint32(content.size()), quint32(packed.size())) + packed;
        offset += quint32(packed.size());
    }
    return file;
}

bool Load(TVESKCustomFile& file, const QByteArray& bytes) {
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    return file.LoadFromStream(source);
}

QByteArray Save(TVESKCustomFile& file) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    file.SaveToStream(out);
    return out.data();
}

void Add(TVESKCustomFile& file, const QString& name, const QByteArray& content) {
    QBuffer source;
    source.setData(content);
    source.open(QIODevice::ReadOnly);
    file.AddFile(name, &source);
}

// The member's content, or a null array when extraction gives none.
QByteArray Extract(TVESKCustomFile& file, const QString& name) {
    auto stream = file.ExtractFile(name);
    if (!stream)
        return QByteArray();
    if (stream->pos() != 0)
        return "<not at start>";
    const QByteArray content = stream->readAll();
    return content.isNull() ? QByteArray("") : content;
}

bool RaisesReadError(const std::function<void()>& action) {
    try {
        action();
    } catch (const EReadError& error) {
        return error.message() == QLatin1String("Stream read error");
    }
    return false;
}

} // namespace

class TestCustomFile : public QObject {
    Q_OBJECT

private slots:
    void readsHandBuiltPackage() {
        QByteArray bytes = Package({{"main.ini", "[SKIN]\r\nA=1\r\n"}, {"info.txt", "hello"}});
        bytes.replace(5, 5, WideToAnsi(QStringLiteral("Синий")));
        QBuffer source;
        source.setData(bytes);
        source.open(QIODevice::ReadOnly);
        source.seek(bytes.size()); // the whole input counts, wherever it stands

        TVESKCustomFile file;
        QVERIFY(file.LoadFromStream(source));
        QCOMPARE(file.Count(), 2);
        QCOMPARE(AnsiToWide(FieldText(file.Header.SkinName, 32)), QStringLiteral("Синий"));
        QCOMPARE(FieldText(file.Header.Author, 32), QByteArray("Me"));
        QCOMPARE(file.ItemName(1), QStringLiteral("info.txt"));
        QCOMPARE(file.Items(1)->Offset, file.Items(0)->CompressedSize);
        QCOMPARE(file.Items(0)->Size, 13u);
        QVERIFY(file.Items(2) == nullptr && file.Items(-1) == nullptr);
        QCOMPARE(Extract(file, "main.ini"), QByteArray("[SKIN]\r\nA=1\r\n"));
        QCOMPARE(Extract(file, "info.txt"), QByteArray("hello"));
        QVERIFY(Extract(file, "absent.bmp").isNull());
    }

    void refusesNonPackages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short header") << HeaderBytes(0).left(75);
        QTest::newRow("lower-case magic") << HeaderBytes(0, "qxsp");
        QTest::newRow("magic cut by a zero") << HeaderBytes(0, QByteArray("QXS\0", 4));
        QTest::newRow("version 1") << HeaderBytes(0, "QXSP", 1);
        QTest::newRow("count beyond length") << HeaderBytes(3) + QByteArray(40, 'x');
        QTest::newRow("count 0xFFFFFFFF") << HeaderBytes(0xFFFFFFFFu) + QByteArray(100, 'x');
    }
    void refusesNonPackages() {
        QFETCH(QByteArray, bytes);
        TVESKCustomFile file;
        QVERIFY(Load(file, Package({{"old", "previous content"}})));
        QVERIFY(!Load(file, bytes));
        QCOMPARE(file.Count(), 0);
        QVERIFY(Extract(file, "old").isNull());
    }

    void emptyPackageIs76Bytes() {
        TVESKCustomFile fresh;
        QCOMPARE(Save(fresh), HeaderBytes(0, "QXSP", 0, "", ""));

        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        QCOMPARE(file.Count(), 0);
        QCOMPARE(Save(file), HeaderBytes(0));
    }

    // The version check and the version written go through the virtual
    // pair, so a descendant format reads and writes its own version.
    void versionIsDispatchedVirtually() {
        struct Version2 : TVESKCustomFile {
            bool CheckVersion(std::uint8_t version) override { return version == 2; }
            std::uint8_t GetVersion() override { return 2; }
        } file;
        QVERIFY(!Load(file, HeaderBytes(0)));
        QVERIFY(Load(file, HeaderBytes(0, "QXSP", 2)));
        QCOMPARE(Save(file).at(4), char(2));
    }

    void saveWritesRunningOffsets() {
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        Add(file, "a.ini", "first version of a");
        Add(file, "b.bmp", QByteArray(5000, 'b'));
        Add(file, "gone.ttf", "removed before saving");
        Add(file, "c.txt", "");
        Add(file, "A.INI", "second version of a");
        file.RemoveFile("GONE.ttf");
        QCOMPARE(file.Header.Count, 3u);
        const quint32 heldOffset = file.Items(2)->Offset;

        QBuffer out;
        out.open(QIODevice::WriteOnly);
        out.write("XYZ"); // a save writes where the destination stands
        file.SaveToStream(out);
        const QByteArray bytes = out.data();

        QCOMPARE(bytes.left(3), QByteArray("XYZ"));
        QCOMPARE(bytes.mid(3, 4), QByteArray("QXSP"));
        QCOMPARE(U32At(bytes, 3 + 72), 3u);
        const QList<QPair<QByteArray, QByteArray>> expected = {
            {"b.bmp", QByteArray(5000, 'b')}, {"c.txt", ""}, {"A.INI", "second version of a"}};
        qsizetype at = 3 + 76;
        quint32 running = 0;
        for (const auto& [name, content] : expected) {
            QCOMPARE(FieldText(bytes.constData() + at, 32), name);
            QCOMPARE(U32At(bytes, at + 32), running);
            QCOMPARE(U32At(bytes, at + 36), quint32(content.size()));
            const quint32 packed = U32At(bytes, at + 40);
            QCOMPARE(bytes.mid(at + 44, 2), QByteArray("\x78\xDA"));
            QCOMPARE(bytes.mid(at + 44, packed), Zlib(content));
            at += 44 + packed;
            running += packed;
        }
        QCOMPARE(at, bytes.size());
        // The records held in memory still address the data area.
        QCOMPARE(file.Items(2)->Offset, heldOffset);
        QVERIFY(heldOffset != running - file.Items(2)->CompressedSize);
    }

    void saveLoadSaveIsByteIdentical() {
        QByteArray bytes = Package({{"main.ini", "x=1"}, {"mask.bmp", QByteArray(300, '\x7F')}});
        bytes[70] = 'p'; // padding and bytes after a terminator are kept as held
        bytes[76 + 10] = 'q';
        TVESKCustomFile file;
        QVERIFY(Load(file, bytes));
        Add(file, "info.txt", "about");
        const QByteArray first = Save(file);

        TVESKCustomFile again;
        QVERIFY(Load(again, first));
        QCOMPARE(again.Count(), 3);
        QCOMPARE(Extract(again, "mask.bmp"), QByteArray(300, '\x7F'));
        QCOMPARE(Save(again), first);
        QCOMPARE(first.at(70), 'p');
    }

    void longNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("32 characters") << QString(32, QLatin1Char('n'));
        QTest::newRow("40 characters") << QStringLiteral("%1tail-end").arg(QString(31, 'n'));
    }
    void longNames() {
        QFETCH(QString, name);
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        Add(file, name, "one");
        Add(file, name, "two"); // the stored form is what gets replaced
        QCOMPARE(file.Count(), 1);
        QCOMPARE(file.ItemName(0), name.left(32));
        QCOMPARE(Extract(file, name), QByteArray("two"));
        QCOMPARE(Extract(file, name.left(32)), QByteArray("two"));

        const QByteArray bytes = Save(file);
        QCOMPARE(bytes.mid(76, 32), WideToAnsi(name.left(32))); // no terminator
        QCOMPARE(U32At(bytes, 76 + 32), 0u);
    }

    void caseFoldsAsciiOnly_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("ascii") << "main.ini"
                               << "MAIN.INI" << true;
        QTest::newRow("exact cyrillic") << "шрифт.ttf"
                                        << "шрифт.TTF" << true;
        QTest::newRow("cyrillic case") << "шрифт.ttf"
                                       << "ШРИФТ.ttf" << false;
        QTest::newRow("longer") << "main.ini"
                                << "main.ini2" << false;
        QTest::newRow("prefix") << "main.ini"
                                << "main.in" << false;
        QTest::newRow("next to letters") << "a@["
                                         << "A`{" << false;
    }
    void caseFoldsAsciiOnly() {
        QFETCH(QString, stored);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        Add(file, stored, "content");
        QCOMPARE(!Extract(file, asked).isNull(), found);
        file.RemoveFile(asked);
        QCOMPARE(file.Count(), found ? 0 : 1);
    }

    void replacingMovesToTheEnd() {
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        Add(file, "Main.ini", "old");
        Add(file, "tray.bmp", "t");
        Add(file, "MAIN.INI", "new");
        QCOMPARE(file.Count(), 2);
        QCOMPARE(file.ItemName(0), QStringLiteral("tray.bmp"));
        QCOMPARE(file.ItemName(1), QStringLiteral("MAIN.INI"));
        QCOMPARE(Extract(file, "main.ini"), QByteArray("new"));
    }

    void emptyMemberIsACompleteStream() {
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        Add(file, "empty.txt", "");
        const TVESKFileItem* item = file.Items(0);
        QCOMPARE(item->Size, 0u);
        QVERIFY(item->CompressedSize >= 8);
        const QByteArray bytes = Save(file);
        QCOMPARE(bytes.mid(76 + 44, 2), QByteArray("\x78\xDA"));
        const auto stream = file.ExtractFile("empty.txt");
        QVERIFY(stream != nullptr);
        QCOMPARE(stream->size(), 0);
    }

    // Another writer's package: offsets that are not where the bytes are, a
    // second member of a name. Each member is read from its own bytes, the
    // first of a name wins as in the player, and what the editor writes
    // afterwards is what a reader finds.
    void otherWritersPackages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("members"); // name=content after the load
        QTest::addColumn<int>("kind");            // the problem reported, -1 none
        const QByteArray a = Zlib("first"), b = Zlib("second");
        const auto two = [&](quint32 offsetB, const QByteArray& nameB) {
            return HeaderBytes(2) + RecordBytes("a.txt", 0, 5, quint32(a.size())) + a +
                   RecordBytes(nameB, offsetB, 6, quint32(b.size())) + b;
        };
        const QStringList both{"a.txt=first", "b.txt=second"};
        const int misplaced = int(TProblemKind::MisplacedOffset);
        QTest::newRow("running offsets") << two(quint32(a.size()), "b.txt") << both << -1;
        QTest::newRow("every offset 0") << two(0, "b.txt") << both << misplaced;
        QTest::newRow("offset past the data") << two(100000, "b.txt") << both << misplaced;
        QTest::newRow("offset into the first") << two(2, "b.txt") << both << misplaced;
        QTest::newRow("case twin") << two(quint32(a.size()), "A.TXT") << QStringList{"a.txt=first"}
                                   << int(TProblemKind::DuplicateName);
    }
    void otherWritersPackages() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, members);
        QFETCH(int, kind);
        TVESKCustomFile file;
        QVERIFY(Load(file, bytes));
        QCOMPARE(file.Count(), members.size());
        QCOMPARE(file.Header.Count, quint32(members.size()));
        for (const QString& member : members)
            QCOMPARE(Extract(file, member.section(u'=', 0, 0)), member.section(u'=', 1).toUtf8());
        QCOMPARE(file.Problems.Count(), kind < 0 ? 0 : 1);
        if (kind >= 0)
            QVERIFY(file.Problems.FirstOf(TProblemKind(kind))
                        ->Problem.contains(kind == int(TProblemKind::DuplicateName) ? "a.txt"
                                                                                    : "offset"));

        Add(file, "a.txt", "written");
        TVESKCustomFile again;
        QVERIFY(Load(again, Save(file)));
        QCOMPARE(Extract(again, "A.txt"), QByteArray("written"));
        QVERIFY(again.Problems.IsEmpty());
    }

    void closeDropsBytesButNotRecords() {
        TVESKCustomFile file;
        QVERIFY(Load(file, Package({{"a", "1"}, {"b", "2"}})));
        file.Close();
        QVERIFY(Extract(file, "a").isNull());
        QCOMPARE(file.Count(), 2);
        QCOMPARE(file.ItemName(1), QStringLiteral("b"));
        QCOMPARE(file.Header.Count, 0u);
        // Saving bytes that are gone must not write a broken package.
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(RaisesReadError([&] { file.SaveToStream(out); }));
        QCOMPARE(out.size(), 0);
    }

    void cutShortInputRaises_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kept");
        const QByteArray whole = Package({{"a", "aaaa"}, {"b", "bbbb"}});
        const qsizetype second = 76 + 44 + Zlib("aaaa").size();
        QTest::newRow("record cut") << whole.left(second + 20) << 1;
        QTest::newRow("data cut") << whole.left(whole.size() - 1) << 1;
        QTest::newRow("first data cut") << whole.left(76 + 44 + 3) << 0;
        QTest::newRow("0xFFFFFFFF compressed bytes")
            << HeaderBytes(1) + RecordBytes("huge", 0, 1, 0xFFFFFFFFu) + QByteArray(64, 'z') << 0;
        // 44 x 97612894 wraps to 40 in 32 bits, so this count passes the
        // length check; the records it claims still cannot be read.
        QTest::newRow("wrapping count") << HeaderBytes(97612894u) << 0;
    }
    void cutShortInputRaises() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kept);
        TVESKCustomFile file;
        QVERIFY(RaisesReadError([&] { Load(file, bytes); }));
        QCOMPARE(file.Count(), kept);
        QCOMPARE(file.Header.Count, quint32(kept));
        if (kept)
            QCOMPARE(Extract(file, "a"), QByteArray("aaaa"));
    }

    void damagedMembersExtractAsNone_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Zlib("good content");
        const auto single = [&](const QByteArray& packed, quint32 offset, quint32 claimed) {
            return HeaderBytes(2) + RecordBytes("ok", 0, 12, quint32(good.size())) + good +
                   RecordBytes("bad", offset, 99, claimed) + packed;
        };
        const quint32 next = quint32(good.size());
        const QByteArray stream = Zlib(QByteArray(1000, 's'));
        QTest::newRow("not zlib") << single("plain text, no zlib", next, 19);
        QTest::newRow("truncated")
            << single(stream.left(stream.size() - 5), next, quint32(stream.size() - 5));
        QByteArray badSum = stream;
        badSum[badSum.size() - 1] = char(badSum.at(badSum.size() - 1) ^ 0x55);
        QTest::newRow("bad checksum") << single(badSum, next, quint32(badSum.size()));
        QTest::newRow("no bytes") << single("", next, 0);
        QTest::newRow("preset dictionary") << single(QByteArray("\x78\xBB\0\0\0\0", 6), next, 6);
    }
    void damagedMembersExtractAsNone() {
        QFETCH(QByteArray, bytes);
        TVESKCustomFile file;
        QVERIFY(Load(file, bytes));
        QVERIFY(file.ExtractFile("bad") == nullptr);
        QCOMPARE(Extract(file, "ok"), QByteArray("good content"));
        // Reported when asked so, with what the caller did instead.
        QVERIFY(file.ExtractReported("bad", "skipped") == nullptr);
        QCOMPARE(file.Problems.Lines(),
                 QStringList{"bad: its compressed bytes are damaged (skipped)"});
    }

    // 300 MiB of zeros deflate to about 300 KB; extracting must stop at
    // the member limit instead of inflating all of it.
    void inflationIsBounded() {
        QByteArray bomb;
        z_stream zs{};
        QCOMPARE(deflateInit(&zs, 9), Z_OK);
        const QByteArray zeros(1 << 20, '\0');
        char chunk[1 << 16];
        for (int mib = 0; mib < 300; ++mib) {
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
            zs.avail_in = uInt(zeros.size());
            const int flush = mib == 299 ? Z_FINISH : Z_NO_FLUSH;
            do {
                zs.next_out = reinterpret_cast<Bytef*>(chunk);
                zs.avail_out = sizeof chunk;
                deflate(&zs, flush);
                bomb.append(chunk, qsizetype(sizeof chunk - zs.avail_out));
            } while (zs.avail_out == 0);
        }
        deflateEnd(&zs);
        QVERIFY(bomb.size() < 1 << 20);

        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(1) +
                               RecordBytes("bomb", 0, 300u << 20, quint32(bomb.size())) + bomb));
        QVERIFY(file.ExtractFile("bomb") == nullptr);
    }

    void addFileReadsTheWholeSource() {
        TVESKCustomFile file;
        QVERIFY(Load(file, HeaderBytes(0)));
        file.AddFile("nothing", nullptr);
        QCOMPARE(file.Count(), 0);

        QBuffer source;
        source.setData("0123456789");
        source.open(QIODevice::ReadOnly);
        source.seek(4);
        QVERIFY(RaisesReadError([&] { file.AddFile("part", &source); }));
        QCOMPARE(file.Count(), 0);

        // Claims a gigabyte it does not hold: refused before anything is read.
        struct Huge : QIODevice {
            qint64 size() const override { return qint64(1) << 30; }
            qint64 readData(char*, qint64) override { return -1; }
            qint64 writeData(const char*, qint64) override { return -1; }
        } huge;
        huge.open(QIODevice::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(EOutOfMemory, file.AddFile("huge", &huge));
        QCOMPARE(file.Count(), 0);
    }

    void neverLoadedContainerTakesMembers() {
        TVESKCustomFile file;
        QVERIFY(file.ExtractFile("x") == nullptr);
        Add(file, "x", "content");
        QCOMPARE(Extract(file, "x"), QByteArray("content"));
        TVESKCustomFile again;
        QVERIFY(Load(again, Save(file)));
        QCOMPARE(Extract(again, "x"), QByteArray("content"));
    }

    void deleteItemOutsideTheTableDoesNothing() {
        TVESKCustomFile file;
        QVERIFY(Load(file, Package({{"a", "1"}})));
        file.DeleteItem(1);
        file.DeleteItem(-1);
        file.RemoveFile("missing");
        QCOMPARE(file.Count(), 1);
        file.DeleteItem(0);
        QCOMPARE(file.Count(), 0);
        QCOMPARE(file.Header.Count, 0u);
    }
};

QX_REGISTER_TEST(TestCustomFile)
#include "tst_CustomFile.moc"
