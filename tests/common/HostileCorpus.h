#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <optional>

#include <sys/resource.h>

// The hostile corpus that make_corpus.py writes into the build tree at test
// time, with the manifest of expected outcomes beside it.
inline QString CorpusFolder() {
    return qEnvironmentVariable("QX_TEST_BINARY_DIR") + QStringLiteral("/tests/hostile/corpus/");
}

// The manifest's cases; nothing when the corpus has not been written.
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
