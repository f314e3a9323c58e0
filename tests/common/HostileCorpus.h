#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

#include <sys/resource.h>

#include "TestFiles.h"

// The hostile corpus that make_corpus.py writes into the build tree at test
// time, with the manifest of expected outcomes beside it.
inline QString CorpusFolder() {
    return GeneratedData(QStringLiteral(QX_TEST_BINARY_DIR "/tests/hostile/corpus/"),
                         QStringLiteral(QX_TEST_SOURCE_DIR "/hostile/make_corpus.py"));
}

// The manifest's cases; nothing when the corpus cannot be written.
inline std::optional<QJsonArray> CorpusCases() {
    QFile manifest(CorpusFolder() + QStringLiteral("manifest.json"));
    if (!manifest.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QJsonDocument::fromJson(manifest.readAll()).object()["cases"].toArray();
}

// One data row per case: the package's path and what loading it must give.
inline void AddCorpusRows(const QJsonArray& cases) {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("load");
    for (const QJsonValue& entry : cases) {
        const QJsonObject item = entry.toObject();
        QTest::newRow(qPrintable(item["name"].toString()))
            << CorpusFolder() + item["file"].toString() << item["load"].toObject();
    }
}

// Every file below the folder, by its path relative to it.
inline QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Address space, as ulimit -v bounds it; a tighter limit from outside stays
// in force.
inline void LimitAddressSpace(rlim_t megabytes) {
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_AS, &limit), 0);
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, megabytes * 1024 * 1024);
    QCOMPARE(setrlimit(RLIMIT_AS, &limit), 0);
}

// The peak resident memory of this process so far, against the bound the
// worst case (the bomb inflating up to the member bound) must stay under.
// Sanitizer builds shadow every byte and keep freed memory in quarantine, so
// the figure there says nothing about the loaders.
inline void CheckPeakMemory(const char* what) {
#ifndef QX_HOSTILE_MEMORY_LIMIT_MB
    QSKIP("memory is bounded in the plain build only");
#endif
    rusage usage{};
    QCOMPARE(getrusage(RUSAGE_SELF, &usage), 0);
    const qint64 peakMiB = qint64(usage.ru_maxrss) / 1024;
    qInfo("peak resident memory of %s after the corpus: %lld MiB", what, peakMiB);
    QVERIFY2(peakMiB < 512, qPrintable(QString::number(peakMiB)));
}

// A temporary root holding the fonts folder the loaders install into and a
// working folder made current, so that anything written elsewhere, also
// through a relative path, is found. Folders a font name with separators
// would pass through on its way out exist, were it not refused.
class THostileFolders {
public:
    QTemporaryDir Root;
    QString Fonts;
    QString Work;

    void Enter() {
        QVERIFY(Root.isValid());
        Fonts = Root.filePath(QStringLiteral("fonts"));
        Work = Root.filePath(QStringLiteral("work"));
        QVERIFY(QDir().mkpath(Work));
        QVERIFY(QDir(Fonts).mkpath(QStringLiteral("veskskin_a")));
        QVERIFY(QDir(Fonts).mkpath(QStringLiteral("veskskin_..")));
        qputenv("QX_FONTS_DIR", QFile::encodeName(Fonts));
        FPrevious = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Work));
#ifdef QX_HOSTILE_MEMORY_LIMIT_MB
        LimitAddressSpace(QX_HOSTILE_MEMORY_LIMIT_MB);
#endif
    }

    void Leave() {
        QDir::setCurrent(FPrevious);
        qunsetenv("QX_FONTS_DIR");
    }

    // Fonts land in their folder under the "veskskin_" prefix; nothing else
    // appears under the root or in the working folder.
    void CheckNothingEscaped() const {
        const auto entries = [](const QString& folder) {
            return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                          QDir::NoDotAndDotDot);
        };
        for (const QString& entry : entries(Root.path()))
            QVERIFY2(entry == QLatin1String("fonts") || entry == QLatin1String("work"),
                     qPrintable(entry));
        QVERIFY2(entries(Work).isEmpty(), qPrintable(entries(Work).join(u',')));
        for (const QString& font : FilesBelow(Fonts))
            QVERIFY2(font.startsWith(QLatin1String("veskskin_")) && !font.contains(u'/'),
                     qPrintable(font));
    }

private:
    QString FPrevious;
};
