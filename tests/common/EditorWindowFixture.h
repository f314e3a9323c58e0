#pragma once

#include <QBuffer>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "AnswerDialogs.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

// A document as the editor would save it, to see whether anything was
// written to it.
inline QByteArray DocumentBytes(TSkinProject& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer, false);
    return buffer.data();
}

// The real window on the built-in skin, shown so the previews lay out as the
// user sees them, answered by dialogs the test scripts. Window is the editor
// window or a subclass that opens its protected hooks to a suite.
template <class Window = TQXForm> struct TEditorWindow {
    TAnswerDialogs Dialogs;
    Window Form{&Dialogs};

    TEditorWindow() {
        Form.setWindowState(Qt::WindowNoState);
        Form.show();
    }

    // Chooses a preview page: main, equalizer or tray.
    void Page(int index) {
        Form.PageControl2->setCurrentIndex(index);
        // The page handlers run when a page is shown; a page that already
        // is shown lists its elements afresh here.
        if (index == 0)
            Form.TabSheet6Show();
        else if (index == 1)
            Form.TabSheet7Show();
        else
            Form.TabSheet5Show();
    }

    TSkinProject& Main() const { return *Form.SkinFile->Project; }
    TSkinProject& Eq() const { return *Form.EqDocument; }
    TSkinProject& Tray() const { return *Form.TrayDocument; }

    QWidget* Element(const QString& name) const {
        QWidget* element = Form.Previews().Find(name);
        if (!element)
            qWarning("no element %s", qPrintable(name));
        return element;
    }

    // A plain click on an element, as the user gives it.
    void Click(const QString& name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(Element(name), Qt::LeftButton, keys, QPoint(1, 1));
    }

    QStringList ListNames() const {
        QStringList names;
        for (int i = 0; i < Form.CheckListBox1->count(); ++i)
            names << Form.CheckListBox1->item(i)->text();
        return names;
    }

    QListWidgetItem* Entry(const QString& name) const {
        const auto items = Form.CheckListBox1->findItems(name, Qt::MatchExactly);
        return items.isEmpty() ? nullptr : items.first();
    }

    // One "caption=value" per row of the property list.
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < Form.ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = Form.ListView1->topLevelItem(i);
            rows << item->text(0) + u'=' + item->text(1);
        }
        return rows;
    }

    QStringList Keys() const {
        QStringList keys;
        for (int i = 0; i < Form.ListView1->topLevelItemCount(); ++i)
            keys << PropertyOf(Form.ListView1->topLevelItem(i))->Key;
        return keys;
    }

    QTreeWidgetItem* Row(const QString& caption) const {
        const auto rows = Form.ListView1->findItems(caption, Qt::MatchExactly, 0);
        return rows.isEmpty() ? nullptr : rows.first();
    }

    // The value the row shows.
    QString Shown(const QString& caption) const {
        const QTreeWidgetItem* row = Row(caption);
        return row ? row->text(1) : QStringLiteral("<no row>");
    }

    // A double click on the row as the user gives it; false if there is no
    // such row.
    bool DoubleClick(const QString& caption) { return DoubleClickItem(Form.ListView1, Row(caption)); }

    static bool DoubleClickItem(QTreeWidget* list, QTreeWidgetItem* row) {
        if (!row)
            return false;
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

    // All three documents as bytes, to see that nothing was written.
    QByteArray Documents() const {
        QByteArray all;
        for (TSkinProject* document : {&Main(), &Eq(), &Tray()})
            all += DocumentBytes(*document) + '|';
        return all;
    }
};

// The window on a chosen preview page, where the element tests work.
struct TPreviewWindow : TEditorWindow<> {
    explicit TPreviewWindow(int previewPage = 0) { Page(previewPage); }
};
