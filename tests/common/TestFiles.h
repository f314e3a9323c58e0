#pragma once

#include <QByteArray>
#include <QDir>
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

// A folder in which no file can be created while this lives, also for root,
// whom the mode bits do not stop (chattr +i does). Locked tells whether it
// worked on this machine.
struct TLockedFolder {
    QString Path;
    bool Locked = false;

    explicit TLockedFolder(const QString& path) : Path(path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
        QFile probe(QDir(path).filePath(QStringLiteral(".probe")));
        Locked = !probe.open(QIODevice::WriteOnly);
        probe.remove();
    }
    ~TLockedFolder() {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), Path});
        QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};
