#include "storage/FontsCleanup.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "storage/QXSPFonts.h"

namespace {

// The handler may use nothing but what is safe in a signal handler: the
// folder is kept as a plain path, read with the raw directory call.
char FolderPath[4096] = {};

bool IsInstalledFontName(const char* name) {
    const std::size_t length = std::strlen(name);
    return std::strncmp(name, "veskskin_", 9) == 0 && length > 13 &&
           std::strcmp(name + length - 4, ".ttf") == 0;
}

void RemoveFontsNow() {
    const int folder = open(FolderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    alignas(8) char buffer[4096];
    for (;;) {
        const long read = syscall(SYS_getdents64, folder, buffer, sizeof buffer);
        if (read <= 0)
            break;
        for (long at = 0; at < read;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            if (IsInstalledFontName(entry->d_name))
                unlinkat(folder, entry->d_name, 0);
            at += entry->d_reclen;
        }
    }
    close(folder);
    rmdir(FolderPath);
}

void OnEndingSignal(int signal) {
    const int saved = errno;
    RemoveFontsNow();
    errno = saved;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void RemoveFontsOnSignals(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (path.size() >= qsizetype(sizeof FolderPath))
        return;
    std::memcpy(FolderPath, path.constData(), std::size_t(path.size()) + 1);
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void RemoveStaleFontFolders(const QString& root) {
    if (root.isEmpty())
        return;
    const QStringList runs = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& run : runs) {
        bool isNumber = false;
        const qint64 pid = run.toLongLong(&isNumber);
        if (!isNumber || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        // Only a process that no longer exists leaves its folder for good.
        if (kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        RemoveFonts(QDir(root).filePath(run) + u'/');
    }
}
