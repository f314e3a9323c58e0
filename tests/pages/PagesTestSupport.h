#pragma once

#include <optional>

#include <QBuffer>
#include <QTabWidget>
#include <QTest>

#include "editor/EditorDialogs.h"
#include "editor/QX_SE.h"
#include "graphics/VESKRect.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace PagesTest {

// Answers with whatever the test set beforehand (nothing set is a cancel)
// and remembers what was asked.
class TDialogs : public IEditorDialogs {
public:
    std::optional<QColor> ColorAnswer;
    std::optional<TFont> FontAnswer;
    std::optional<QString> TextAnswer;
    std::optional<TRect> RectAnswer;
    QString OpenAnswer;
    QString SaveAnswer;

    int Calls = 0;
    QColor ColorAsked;
    TFont FontAsked;
    QString TextCaption, TextPrompt, TextInitial;
    QString FilterAsked;
    TRect RectAsked;
    QImage ImageAsked;
    bool SizeLockedAsked = true;

    QString OpenFileName(QWidget*, const QString&, const QString& filter) override {
        ++Calls;
        FilterAsked = filter;
        return OpenAnswer;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        ++Calls;
        FilterAsked = filter;
        return SaveAnswer;
    }
    std::optional<QColor> Color(QWidget*, const QColor& initial) override {
        ++Calls;
        ColorAsked = initial;
        return ColorAnswer;
    }
    std::optional<TFont> Font(QWidget*, const TFont& initial) override {
        ++Calls;
        FontAsked = initial;
        return FontAnswer;
    }
    std::optional<QString> Text(QWidget*, const QString& caption, const QString& prompt,
                                const QString& initial) override {
        ++Calls;
        TextCaption = caption;
        TextPrompt = prompt;
        TextInitial = initial;
        return TextAnswer;
    }
    void Information(QWidget*, const QString&, const QString&) override {}
    bool SelectRect(QWidget*, const QImage& image, TRect& rect, bool sizeLocked) override {
        ++Calls;
        RectAsked = rect;
        ImageAsked = image;
        SizeLockedAsked = sizeLocked;
        if (!RectAnswer)
            return false;
        rect = *RectAnswer;
        return true;
    }
};

// The window with its protected hooks in reach of the tests.
class TTestForm : public TQXForm {
public:
    using TQXForm::FillPlaylistTab;
    using TQXForm::RefreshSchemeList;
    using TQXForm::TQXForm;
};

// The real window on the built-in skin, shown at its designed size, with
// one of the tool pages in front.
struct TForm {
    TDialogs Dialogs;
    TTestForm Form{&Dialogs};

    // Pages of PageControl1 in tab order.
    enum { Skins, Playlist, Menu, Schemes, Description };

    explicit TForm(int page = Skins) {
        Form.setWindowState(Qt::WindowNoState);
        Form.show();
        Show(page);
    }

    void Show(int page) { Form.PageControl1->setCurrentIndex(page); }

    TSkinProject& Project() const { return *Form.SkinFile->Project; }

    QByteArray Document() const {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        Project().SaveToStream(buffer, false);
        return buffer.data();
    }

    // Reloads the main document without the lines that start with prefix,
    // as a package that lacks those keys would have it.
    void DropLines(const QByteArray& prefix) {
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        Project().SaveToStream(text, true);
        QByteArray kept;
        for (const QByteArray& line : text.data().split('\n'))
            if (!line.startsWith(prefix))
                kept += line + '\n';
        QBuffer buffer(&kept);
        buffer.open(QIODevice::ReadOnly);
        Project().Clear();
        Project().LoadFromStream(buffer);
    }
};

} // namespace PagesTest
