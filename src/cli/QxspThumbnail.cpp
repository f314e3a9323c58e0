#include "cli/QxspThumbnail.h"

#include "cli/QxspCommandTable.h"
#include "cli/QxspRender.h"

namespace {

constexpr int kDefaultSize = 256;
// File managers ask for 128 to 1024; more would only make a big file of a
// small window.
constexpr int kMaxSize = 4096;

} // namespace

void CmdThumbnail(const QStringList& args, QxspContext&) {
    QStringList rest = args;
    int size = kDefaultSize;
    const qsizetype flag = rest.indexOf(QStringLiteral("-s"));
    if (flag >= 0) {
        bool ok = false;
        size = flag + 1 < rest.size() ? rest[flag + 1].toInt(&ok) : 0;
        if (!ok || size < 1 || size > kMaxSize)
            ThrowUsage("thumbnail");
        rest.remove(flag, 2);
    }
    if (rest.size() != 2 || rest[0].startsWith(u'-') || rest[1].startsWith(u'-'))
        ThrowUsage("thumbnail");
    const QImage window = RenderSkinWindow(rest[0], TSkinWindow::Main);
    WritePngFile(rest[1], window.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
