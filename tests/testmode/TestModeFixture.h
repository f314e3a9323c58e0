#pragma once

#include <QAction>
#include <QImage>
#include <QTemporaryDir>

#include "BuiltInSkin.h"
#include "EditorWindowFixture.h"
#include "editor/SkinRenderer.h"

namespace TestModeTest {

// The real window on a preview page, with what the test mode is checked
// against: each element's pixels as drawn and the textures its skin gives.
struct TTestWindow : TEditorWindow<> {
    QTemporaryDir Folder;

    // The built-in skin with main.ini values changed, opened as a file.
    explicit TTestWindow(int previewPage, const QStringList& mainValues = {}) {
        if (!mainValues.isEmpty()) {
            const QString file = Folder.filePath(QStringLiteral("changed.qxsp"));
            WriteBuiltInSkin(file, mainValues);
            Form.OpenSkin(file);
        }
        Page(previewPage);
    }

    void SetTestMode(bool on) {
        if (Form.TestModeAction->isChecked() != on)
            Form.TestModeAction->trigger();
    }

    // The pointer comes from outside the window onto the widget's middle
    // (so the widget sees it arrive even where a previous test left it) and
    // goes on to the point.
    void PointAt(QWidget* widget, QPoint at) {
        QTest::mouseMove(&Form, QPoint(-40, -40));
        QTest::mouseMove(widget, widget->rect().center());
        QTest::mouseMove(widget, at);
    }

    static QImage Pixels(QWidget* element) {
        QImage image(element->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        element->render(&image);
        return image;
    }

    TSkinProject& Document(int page) const { return *Form.PageDocument(page); }

    QImage Texture(int page, const QString& key) const {
        return TSkinRenderer::Texture(Document(page), *Form.PageBitmap(page),
                                      QStringLiteral("SKIN_RECTS"), key)
            .convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace TestModeTest
