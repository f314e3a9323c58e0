#pragma once

#include <QByteArray>
#include <QFile>
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
