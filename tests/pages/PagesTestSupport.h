#pragma once

#include <QBuffer>

#include "EditorWindowFixture.h"
#include "graphics/VESKRect.h"

namespace PagesTest {

// The window with its protected hooks in reach of the tests.
class TTestForm : public TQXForm {
public:
    using TQXForm::FillPlaylistTab;
    using TQXForm::RefreshSchemeList;
    using TQXForm::TQXForm;
};

// The real window on the built-in skin, shown at its designed size, with
// one of the tool pages in front.
struct TForm : TEditorWindow<TTestForm> {
    // Pages of PageControl1 in tab order.
    enum { Skins, Playlist, Menu, Schemes, Description };

    explicit TForm(int page = Skins) { Show(page); }

    void Show(int page) { Form.PageControl1->setCurrentIndex(page); }

    QByteArray Document() const { return DocumentBytes(Main()); }

    // Reloads the main document without the lines that start with prefix,
    // as a package that lacks those keys would have it.
    void DropLines(const QByteArray& prefix) {
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        Main().SaveToStream(text, true);
        QByteArray kept;
        for (const QByteArray& line : text.data().split('\n'))
            if (!line.startsWith(prefix))
                kept += line + '\n';
        QBuffer buffer(&kept);
        buffer.open(QIODevice::ReadOnly);
        Main().Clear();
        Main().LoadFromStream(buffer);
    }
};

} // namespace PagesTest
