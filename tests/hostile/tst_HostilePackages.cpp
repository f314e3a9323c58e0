// Opens every package of the hostile corpus (written by make_corpus.py into
// the build tree) with the skin package loader the editor uses, and checks
// the outcome the manifest names, that nothing was written outside the fonts
// folder, and, outside the sanitizer build, that memory stayed bounded.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "HostileCorpus.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"
#include "storage/VESKFileStreamW.h"
#include "text/SkinProject.h"

namespace {

int Sections(const std::unique_ptr<TSkinProject>& project) {
    return project ? project->Sections.Count() : -1;
}

// The outcome as the manifest spells it, and the error text when one came.
struct Outcome {
    QString kind;
    QString message;
};

// As LoadFromFile opens a file, but keeping LoadFromStream's answer.
Outcome Open(TQXSPFile& file, const QString& path) {
    TVESKFileStreamW stream(path, TVESKFileStreamW::fmOpenRead);
    if (!stream.IsValid())
        return {QStringLiteral("cannot open"), stream.errorString()};
    try {
        return {file.LoadFromStream(stream) ? QStringLiteral("true") : QStringLiteral("false"),
                QString()};
    } catch (const EReadError& error) {
        return {QStringLiteral("read_error"), error.message()};
    } catch (const EOutOfMemory& error) {
        return {QStringLiteral("out_of_memory"), error.message()};
    } catch (const EConvertError& error) {
        return {QStringLiteral("convert_error"), error.message()};
    }
}

} // namespace

class TestHostilePackages : public QObject {
    Q_OBJECT

private:
    THostileFolders folders;
    QJsonArray cases;

    // The fresh load of the built-in skin that a non-package must equal.
    void checkIsDefaultSkin(const TQXSPFile& file) {
        if (!QFile::exists(QStringLiteral(":/skin/DEFAULT")))
            QSKIP("the built-in skin resource is not linked into this build "
                  "(no skinresources target): its content cannot be compared");
        QFile resource(QStringLiteral(":/skin/DEFAULT"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        TVESKCustomFile reference;
        QVERIFY(reference.LoadFromStream(resource));
        QCOMPARE(MemberNames(file), MemberNames(reference));
        QVERIFY(file.Project->Sections.Count() > 0);
        QVERIFY(!file.MainBmp->isNull());
    }

    void checkLoaded(const TQXSPFile& file, const QJsonObject& load) {
        if (load.contains("project"))
            QCOMPARE(Sections(file.Project), load["project"].toInt());
        if (load.contains("parent"))
            QCOMPARE(Sections(file.ParentIni), load["parent"].toInt());
        if (load.contains("equa"))
            QCOMPARE(Sections(file.EquaIni), load["equa"].toInt());
        if (load.contains("main_bmp")) {
            const QJsonArray size = load["main_bmp"].toArray();
            const QSize expected =
                size.isEmpty() ? QSize() : QSize(size[0].toInt(), size[1].toInt());
            QVERIFY(file.MainBmp);
            QCOMPARE(file.MainBmp->isNull() ? QSize() : file.MainBmp->size(), expected);
        }
        if (load.contains("skin_name"))
            QCOMPARE(file.SkinName, load["skin_name"].toString());
        for (const QJsonValue& member : load["problems"].toArray())
            QVERIFY2(file.Problems.Concerns(member.toString()),
                     qPrintable(file.Problems.Lines().join(u'\n')));
        for (const QJsonValue& read : load["read"].toArray()) {
            const QJsonArray at = read.toArray();
            QCOMPARE(file.Project->ReadString(at[0].toString(), at[1].toString(), "<missing>"),
                     at[2].toString());
        }
    }

    // Besides nothing escaping, the fonts a case names are the ones
    // installed.
    void checkNothingEscaped(const QJsonObject& load) {
        folders.CheckNothingEscaped();
        const QStringList fonts = FilesBelow(folders.Fonts);
        if (load.contains("fonts")) {
            QStringList expected;
            for (const QJsonValue& name : load["fonts"].toArray())
                expected << name.toString();
            expected.sort();
            QCOMPARE(fonts, expected);
        }
    }

private slots:
    void initTestCase() {
        const std::optional<QJsonArray> corpus = CorpusCases();
        if (!corpus)
            QSKIP("no hostile corpus: ctest runs make_corpus.py first (fixture hostile_corpus)");
        cases = *corpus;
        QVERIFY(!cases.isEmpty());

        folders.Enter();
        QCOMPARE(FontsFolder(), folders.Fonts + u'/');
    }

    void cleanupTestCase() { folders.Leave(); }

    void cleanup() {
        RemoveFonts(FontsFolder());
        CurrentTheme = 0;
    }

    void loadsAsTheManifestSays_data() { AddCorpusRows(cases); }
    void loadsAsTheManifestSays() {
        QFETCH(QString, path);
        QFETCH(QJsonObject, load);
        const QString expected = load["outcome"].toString();

        TQXSPFile file;
        const Outcome outcome = Open(file, path);
        // Every path ends with the project loaded, also when an error came.
        QVERIFY(file.Project);
        if (expected == QLatin1String("package") || expected == QLatin1String("default")) {
            QCOMPARE(outcome.kind, QStringLiteral("true"));
        } else {
            QCOMPARE(outcome.kind, expected);
            if (load.contains("message"))
                QCOMPARE(outcome.message, load["message"].toString());
        }
        if (load.contains("count"))
            QCOMPARE(file.Count(), load["count"].toInt());
        checkLoaded(file, load);
        checkNothingEscaped(load);
        if (expected == QLatin1String("default"))
            checkIsDefaultSkin(file);
    }

    void memoryStayedBounded() { CheckPeakMemory("the loader"); }
};

QX_REGISTER_TEST(TestHostilePackages)

#include "tst_HostilePackages.moc"
