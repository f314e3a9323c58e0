#pragma once

#include <QBuffer>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "controls/ElementControl.h"
#include "editor/EditorDialogs.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace ElementsTest {

// Answers every question as a user who cancels, except the image picker,
// which hands back a picture of its own when one is set.
class TDialogs : public IEditorDialogs {
public:
    QImage Picture;
    int PickerCalls = 0;

    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QColor> Color(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<TFont> Font(QWidget*, const TFont&) override { return std::nullopt; }
    std::optional<QString> Text(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void Information(QWidget*, const QString&, const QString&) override {}
    void ShowImagePicker(QWidget*, QImage& bitmap) override {
        ++PickerCalls;
        if (!Picture.isNull())
            bitmap = Picture;
    }
};

// The real window on the built-in skin, shown so the previews lay out as
// the user sees them, with a preview page chosen.
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
        // The page handlers run when a page is shown; a page that already
        // is shown lists its elements afresh here.
        if (index == 0)
            Form.TabSheet6Show();
        else if (index == 1)
            Form.TabSheet7Show();
        else
            Form.TabSheet5Show();
    }

    QWidget* Element(const QString& name) const {
        QWidget* element = Form.Previews().Find(name);
        if (!element)
            qWarning("no element %s", qPrintable(name));
        return element;
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

    // A plain click on an element, as the user gives it.
    void Click(const QString& name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QWidget* element = Element(name);
        QTest::mouseClick(element, Qt::LeftButton, keys, QPoint(1, 1));
    }

    // The documents as bytes, to see that nothing was written.
    QByteArray Documents() const {
        QByteArray all;
        for (TSkinProject* document :
             {Form.SkinFile->Project.get(), Form.EqDocument.get(), Form.TrayDocument.get()}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            document->SaveToStream(buffer, false);
            all += buffer.data() + '|';
        }
        return all;
    }
};

} // namespace ElementsTest
