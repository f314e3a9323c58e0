#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The package tool of this build, run as a user runs it. A run that crashes
// or hangs past the guard reports status -1.
struct QxspRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline QString QxspPath() {
    return QStringLiteral(QX_TEST_BINARY_DIR "/src/qxsp");
}

inline QxspRun Qxsp(const QStringList& args) {
    QProcess process;
    process.start(QxspPath(), args);
    // A hang guard, not a speed check.
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
