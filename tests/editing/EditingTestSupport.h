#pragma once

#include <optional>

#include <QBuffer>
#include <QTest>
#include <QTreeWidget>

#include "controls/SelectedElement.h"
#include "editor/EditorDialogs.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "graphics/VESKRect.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace EditingTest {

// Answers as the test tells it (no answer: the user cancels) and remembers
// what each dialog was asked.
class TDialogs : public IEditorDialogs {
public:
    std::optional<QColor> ColorAnswer;
    std::optional<TFont> FontAnswer;
    std::optional<QString> TextAnswer;
    std::optional<TRect> RectAnswer;

    int Calls = 0;
    QColor ColorAsked;
    TFont FontAsked;
    QStringList TextAsked; // caption, prompt, initial text
    TRect RectAsked;
    bool SizeLockedAsked = false;
    QSize ImageAsked;

    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void Information(QWidget*, const QString&, const QString&) override {}
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
        TextAsked = {caption, prompt, initial};
        return TextAnswer;
    }
    // As the real selector: the rectangle comes back even when cancelled.
    bool SelectRect(QWidget*, const QImage& image, TRect& rect, bool sizeLocked) override {
        ++Calls;
        RectAsked = rect;
        SizeLockedAsked = sizeLocked;
        ImageAsked = image.size();
        if (RectAnswer)
            rect = *RectAnswer;
        return RectAnswer.has_value();
    }
};

// The real window on the built-in skin, shown, on a chosen preview page.
struct TForm {
    TDialogs Dialogs;
    TQXForm Form{&Dialogs};

    explicit TForm(int previewPage = 0) {
        Form.setWindowState(Qt::WindowNoState);
        Form.show();
        Page(previewPage);
    }

    void Page(int index) {
        Form.PageControl2->setCurrentIndex(index);
        if (index == 0)
            Form.TabSheet6Show();
        else if (index == 1)
            Form.TabSheet7Show();
        else
            Form.TabSheet5Show();
    }

    QWidget* Element(const QString& name) const { return Form.Previews().Find(name); }
    TSkinProject& Main() const { return *Form.SkinFile->Project; }
    TSkinProject& Eq() const { return *Form.EqDocument; }
    TSkinProject& Tray() const { return *Form.TrayDocument; }

    void Click(const QString& name) {
        QTest::mouseClick(Element(name), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    }

    QTreeWidgetItem* Row(const QString& caption) const {
        const auto rows = Form.ListView1->findItems(caption, Qt::MatchExactly, 0);
        return rows.isEmpty() ? nullptr : rows.first();
    }
    QString Shown(const QString& caption) const {
        const QTreeWidgetItem* row = Row(caption);
        return row ? row->text(1) : QStringLiteral("<no row>");
    }

    // A double click on the row as the user gives it; false if there is no
    // such row.
    bool DoubleClick(const QString& caption) {
        QTreeWidgetItem* row = Row(caption);
        if (!row)
            return false;
        QTreeWidget* list = Form.ListView1;
        list->scrollToItem(row);
        const QPoint at = list->visualItemRect(row).center();
        // As the window system delivers one: press, release, press, double
        // click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return true;
    }

    // The documents as bytes, to see that nothing was written.
    QByteArray Documents() const {
        QByteArray all;
        for (TSkinProject* document : {&Main(), &Eq(), &Tray()}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            document->SaveToStream(buffer, false);
            all += buffer.data() + '|';
        }
        return all;
    }
};

inline QString Rect(TSkinProject& document, const QString& section, const QString& key) {
    return RectToStr(document.ReadRect(section, key, TRect{-1, -1, -1, -1}));
}

} // namespace EditingTest
