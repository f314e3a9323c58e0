#pragma once

#include <functional>
#include <memory>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

#include "editor/PreviewTrees.h"
#include "editor/SkinRenderer.h"
#include "storage/VESKCustomFile.h"
#include "text/SkinProject.h"

namespace PreviewTest {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kGrey = 0xFF808080;

// The three preview trees on roots of their own, with a skin document and
// bitmap that a test fills: areas painted in one colour each, and the
// rectangles written under the keys that name them.
class TSandbox {
public:
    explicit TSandbox(const TPreviewHandlers& handlers = {}) {
        for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
            FRoots[int(window)] = std::make_unique<QWidget>();
            Trees.Build(window, FRoots[int(window)].get(), handlers);
        }
        Bitmap = QImage(400, 200, QImage::Format_RGB32);
        Bitmap.fill(kGrey);
    }

    TPreviewTrees Trees;
    TSkinProject Document;
    QImage Bitmap;

    // Paints the area and writes its rectangle under SKIN_RECTS / key.
    void Texture(const QString& key, const QRect& area, QRgb colour,
                 const QString& section = QStringLiteral("SKIN_RECTS")) {
        QPainter(&Bitmap).fillRect(area, QColor::fromRgb(colour));
        Document.WriteString(section, key, RectText(area));
    }
    void Place(const QString& key, const QString& rect) {
        Document.WriteString(QStringLiteral("SKIN_OBJS"), key, rect);
    }
    TSkinRenderer Renderer() { return TSkinRenderer(Trees, &Document, &Bitmap); }
    template <class T = QWidget> T* Get(const QString& name) { return Trees.Get<T>(name); }

    static QString RectText(const QRect& r) {
        return QStringLiteral("%1,%2,%3,%4")
            .arg(r.x())
            .arg(r.y())
            .arg(r.x() + r.width())
            .arg(r.y() + r.height());
    }

private:
    std::unique_ptr<QWidget> FRoots[3];
};

// The colours of a row or column of an image, one letter per pixel: r, g, b,
// m(agenta), . for anything else.
inline QString Letters(const QImage& image, int fixed, bool row) {
    QString text;
    const int count = row ? image.width() : image.height();
    for (int i = 0; i < count; ++i) {
        const QRgb p = row ? image.pixel(i, fixed) : image.pixel(fixed, i);
        text += p == kRed       ? u'r'
                : p == kGreen   ? u'g'
                : p == kBlue    ? u'b'
                : p == kMagenta ? u'm'
                                : u'.';
    }
    return text;
}

// The built-in skin as a container, to be changed by a test and written out.
inline std::unique_ptr<TVESKCustomFile> DefaultPackage() {
    auto package = std::make_unique<TVESKCustomFile>();
    QFile resource(QStringLiteral(":/skin/DEFAULT"));
    resource.open(QIODevice::ReadOnly);
    package->LoadFromStream(resource);
    return package;
}

inline void PutMember(TVESKCustomFile& package, const QString& name, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    package.AddFile(name, &buffer);
}

inline QByteArray Member(TVESKCustomFile& package, const QString& name) {
    auto stream = package.ExtractFile(name);
    return stream ? stream->data() : QByteArray();
}

inline bool WritePackage(TVESKCustomFile& package, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    package.SaveToStream(file);
    return true;
}

} // namespace PreviewTest
