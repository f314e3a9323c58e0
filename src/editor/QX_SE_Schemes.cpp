// The colour schemes page: a scheme is a name and a hue shift, kept in the
// main document; the page previews the main window under any shift.

#include <algorithm>

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "controls/SelectedElement.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "editor/edits/SkinEdit.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString kThemes = QStringLiteral("SKIN_THEMES");
const QString kNameCaption = QStringLiteral("Имя");
const QString kNamePrompt = QStringLiteral("Введите имя цветовой схемы:");
const QString kNoName = QStringLiteral("Noname");

// Scheme 0, the skin's own colours, is never stored; the package knows no
// more schemes than this, and a stranger's "Count" must not fill the list
// for minutes.
constexpr int kMaxStoredSchemes = TQXSPCustomFile::MaxThemeCount - 1;

int ShiftOf(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toInt();
}

void AddScheme(QListWidget* list, const QString& name, int shift) {
    auto* item = new QListWidgetItem(name, list);
    item->setData(Qt::UserRole, shift);
}

// The item the user has selected, if any.
QListWidgetItem* SelectedScheme(const QListWidget* list) {
    QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

} // namespace

void TQXForm::ConnectSchemesPage() {
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int) { ScrollBar1Change(); });
    connect(Button6, &QPushButton::clicked, this, &TQXForm::Button6Click);
    connect(ListBox2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem*) { ListBox2Click(); });
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this](int) {
        // Moving through the list with the keyboard selects as a click does.
        if (ListBox2->hasFocus())
            ListBox2Click();
    });
    connect(Button7, &QPushButton::clicked, this, &TQXForm::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TQXForm::Button8Click);
}

void TQXForm::TakeSchemeSnapshot() {
    // A page switch holds back all painting of the pages until it is done,
    // so a photograph taken while the page is being shown comes out blank:
    // it is taken as soon as the switch is over.
    if (!MainCtrl->updatesEnabled()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (MainCtrl->updatesEnabled())
                    TakeSchemeSnapshot();
            },
            Qt::QueuedConnection);
        return;
    }
    Guarded(this, [&] {
        // No selection frame may end up in the picture.
        const TSelectionSetAside noFrame;
        if (!SchemeSnapshot)
            SchemeSnapshot = std::make_unique<QImage>();
        *SchemeSnapshot = QImage(MainCtrl->size(), QImage::Format_RGB32);
        if (SchemeSnapshot->isNull())
            return;
        SchemeSnapshot->fill(Qt::black);
        MainCtrl->render(SchemeSnapshot.get());
        Image2->setPixmap(QPixmap::fromImage(*SchemeSnapshot));
    });
}

void TQXForm::RefreshSchemeList() {
    Guarded(this, [&] {
        ListBox2->clear();
        TSkinProject& document = *SkinFile->Project;
        // Every scheme that can be read is listed, so a later save writes
        // them all; what could not be read was reported when the skin loaded.
        const int count = std::min(StoredSchemeCount(document), kMaxStoredSchemes);
        for (int i = 1; i <= count; ++i)
            AddScheme(ListBox2,
                      document.ReadString(kThemes, QStringLiteral("Name%1").arg(i), kNoName),
                      StoredSchemeValue(document, i));
        // The page takes its own picture whenever it is shown; photographing
        // the preview for a page nobody sees would only slow loading down.
        if (TabSheet3->isVisible())
            TakeSchemeSnapshot();
        ScrollBar1->setValue(0);
    });
}

void TQXForm::StoreSchemes() {
    TSkinProject& document = *SkinFile->Project;
    document.WriteInteger(kThemes, QStringLiteral("Count"), ListBox2->count());
    for (int i = 1; i <= ListBox2->count(); ++i) {
        const QListWidgetItem* item = ListBox2->item(i - 1);
        document.WriteString(kThemes, QStringLiteral("Name%1").arg(i), item->text());
        document.WriteInteger(kThemes, QStringLiteral("Theme%1").arg(i), ShiftOf(item));
    }
}

void TQXForm::ScrollBar1Change() {
    Guarded(this, [&] {
        if (!SchemeSnapshot || SchemeSnapshot->isNull())
            return;
        TVESKBmp preview(*SchemeSnapshot);
        if (ScrollBar1->value() != 0)
            ApplyHue(preview, ScrollBar1->value());
        Image2->setPixmap(QPixmap::fromImage(preview.Image()));
    });
}

void TQXForm::Button6Click() {
    Guarded(this, [&] {
        const auto name = Dialogs().Text(this, kNameCaption, kNamePrompt, kNoName);
        if (!name)
            return;
        Edit(QStringLiteral("добавление схемы ") + *name, TEditKind::Other, QString(), 0, [&] {
            AddScheme(ListBox2, *name, ScrollBar1->value());
            StoreSchemes();
            RefreshSchemeList();
        });
    });
}

void TQXForm::ListBox2Click() {
    Guarded(this, [&] {
        if (const QListWidgetItem* item = SelectedScheme(ListBox2))
            ScrollBar1->setValue(ShiftOf(item));
    });
}

void TQXForm::Button7Click() {
    Guarded(this, [&] {
        QListWidgetItem* item = SelectedScheme(ListBox2);
        if (!item)
            return;
        // The schemes behind it move up by one number; the keys of the last
        // number stay behind, past "Count", and mean nothing.
        Edit(QStringLiteral("удаление схемы ") + item->text(), TEditKind::Other, QString(), 0, [&] {
            delete item;
            StoreSchemes();
            RefreshSchemeList();
        });
    });
}

void TQXForm::Button8Click() {
    Guarded(this, [&] {
        QListWidgetItem* item = SelectedScheme(ListBox2);
        if (!item)
            return;
        Edit(QStringLiteral("переименование схемы ") + item->text(), TEditKind::Other, QString(), 0,
             [&] {
                 if (const auto name =
                         Dialogs().Text(this, kNameCaption, kNamePrompt, item->text()))
                     item->setText(*name);
                 StoreSchemes();
                 RefreshSchemeList();
             });
    });
}
