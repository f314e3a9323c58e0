#include "skingen/SkinFiles.h"

#include <stdexcept>

#include <QBuffer>
#include <QFile>

#include "storage/SkinVocabulary.h"
#include "storage/VESKCodePage.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void PutLE(QByteArray& bytes, int offset, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

std::map<QString, QString> ParentsOf(TSkinProject& document, TSkinWindow window) {
    std::map<QString, QString> parents;
    const int index = document.FindSection("PARENT");
    const TVESKStringListW* keys = index < 0 ? nullptr : document.Sections.Objects(index);
    for (int i = 0; keys && i < keys->Count(); ++i) {
        const QString code = keys->Strings(i);
        QString container;
        if (window == TSkinWindow::Tray)
            container = code.compare("INFO", Qt::CaseInsensitive) == 0 ? "TrayInfo" : "TrayCtrl";
        else
            for (const char* panel : {"Main", "TopPanel", "PlsCtrl", "RightBar", "Leftbar"})
                if (ParentCode(window, QLatin1String(panel)).compare(code, Qt::CaseInsensitive) == 0)
                    container = QLatin1String(panel);
        if (!container.isEmpty())
            parents[keys->Names(i)] = container;
    }
    return parents;
}

} // namespace

std::unique_ptr<TSkinProject> LoadIniSource(const QString& path) {
    QByteArray bytes = ReadAll(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    auto document = std::make_unique<TSkinProject>();
    document->LoadFromStream(buffer);
    return document;
}

void WriteTextMember(const QString& sourcePath, const QString& targetPath) {
    QString text = QString::fromUtf8(ReadAll(sourcePath));
    text.replace("\r\n", "\n").replace('\n', "\r\n");
    WriteAll(targetPath, WideToAnsi(text));
}

void WriteBmp24(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray bytes(54 + stride * h, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 2, quint32(bytes.size()), 4);
    PutLE(bytes, 10, 54, 4);
    PutLE(bytes, 14, 40, 4);
    PutLE(bytes, 18, quint32(w), 4);
    PutLE(bytes, 22, quint32(h), 4);
    PutLE(bytes, 26, 1, 2);
    PutLE(bytes, 28, 24, 2);
    PutLE(bytes, 34, quint32(stride * h), 4);
    PutLE(bytes, 38, 2835, 4); // 72 dpi
    PutLE(bytes, 42, 2835, 4);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* out = bytes.data() + 54 + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            out[3 * x] = char(qBlue(line[x]));
            out[3 * x + 1] = char(qGreen(line[x]));
            out[3 * x + 2] = char(qRed(line[x]));
        }
    }
    WriteAll(path, bytes);
}

std::map<QString, QString> MainParents(TSkinProject& parentDocument) {
    return ParentsOf(parentDocument, TSkinWindow::Main);
}

std::map<QString, QString> TrayParents(TSkinProject& parentDocument) {
    return ParentsOf(parentDocument, TSkinWindow::Tray);
}
