#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

// Empty when the file cannot be read, which a test comparing contents sees
// as different from any file that was written.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Test data that a script writes into the build tree, with a manifest.json:
// ctest's fixture writes it first; a suite started by hand runs the script
// (deterministic, so both give the same files) when the data is missing.
inline QString GeneratedData(const QString& folder, const QString& script) {
    if (!QFile::exists(folder + QStringLiteral("manifest.json")))
        QProcess::execute(QStringLiteral(QX_TEST_PYTHON), {script, folder});
    return folder;
}
