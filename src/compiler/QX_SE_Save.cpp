#include "compiler/QX_SE_Save.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QScopeGuard>
#include <QThread>

#include "compiler/EditorSaveTarget.h"
#include "compiler/PackageFile.h"
#include "compiler/SaveSource.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"

namespace {

constexpr int kClientWidth = 440;
constexpr int kClientHeight = 228;
const QString kFilter = QStringLiteral("VESK Classic Skin Package (*.qxsp)");

int gStatusPause = 100;

// Set while a save window is up: its loop pumps events, and a second save
// command arriving through them must not start a second save.
bool gSaveWindowUp = false;

QLabel* MakeStatusPanel(const QString& name, QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

} // namespace

TSaveForm::TSaveForm(IEditorDialogs& dialogs, TTargetSource source, QWidget* parent)
    : QDialog(parent, Qt::Tool), FDialogs(dialogs), FSource(std::move(source)) {
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(QStringLiteral("Saving..."));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    BuildLayout();
    setFixedSize(kClientWidth, kClientHeight);
}

void TSaveForm::BuildLayout() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(7, 7, 426, 192);

    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setGeometry(0, 0, 426, 173);
    QPalette listPalette = ListBox1->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::Window));
    ListBox1->setPalette(listPalette);

    Panel2 = MakeStatusPanel(QStringLiteral("Panel2"), Panel1);
    Panel2->setGeometry(0, 175, 297, 17);
    QFont bold = Panel2->font();
    bold.setBold(true);
    Panel2->setFont(bold);

    Panel3 = MakeStatusPanel(QStringLiteral("Panel3"), Panel1);
    Panel3->setGeometry(299, 175, 121, 17);
    QPalette resultPalette = Panel3->palette();
    resultPalette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    Panel3->setPalette(resultPalette);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(7, 207, 425, 14);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
}

void TSaveForm::SetStatusPause(int milliseconds) {
    gStatusPause = std::max(0, milliseconds);
}

int TSaveForm::StatusPause() {
    return gStatusPause;
}

void TSaveForm::SetStatus(const QString& text, bool newLine) {
    if (newLine) {
        if (!Panel2->text().isEmpty())
            ListBox1->addItem(Panel2->text() + u' ' + Panel3->text());
        Panel2->setText(text);
        Panel3->clear();
    } else {
        Panel3->setText(text);
    }
    QCoreApplication::processEvents();
    if (gStatusPause > 0)
        QThread::msleep(gStatusPause);
}

void TSaveForm::SetProgress(int percent) {
    ProgressBar1->setValue(percent);
    QCoreApplication::processEvents();
}

void TSaveForm::StartSave() {
    if (FSaving)
        return;
    bool finished = false;
    Guarded(this, [this, &finished] {
        FSaving = true;
        const auto running = qScopeGuard([this] { FSaving = false; });
        const QString fileName =
            FDialogs.SaveFileName(this, QString(), kFilter, FSuggested, QStringLiteral("qxsp"));
        if (!fileName.isEmpty()) {
            TSaveTarget target = FSource();
            RunSavePipeline(target, SkinPackageFileName(fileName), *this);
            FSaved = SkinPackageFileName(fileName);
        }
        finished = true;
    });
    if (finished)
        close();
}

void TSaveForm::closeEvent(QCloseEvent* event) {
    if (FSaving) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSaveForm::reject() {
    if (!FSaving)
        QDialog::reject();
}

QString ShowSaveForm(ISaveSource& source) {
    if (gSaveWindowUp)
        return {};
    gSaveWindowUp = true;
    const auto down = qScopeGuard([] { gSaveWindowUp = false; });
    ISaveSource* owner = &source;
    auto save = std::make_unique<TSaveForm>(
        source.SaveDialogs(), [owner] { return owner->SaveTarget(); }, source.SaveWindow());
    save->SetSuggestedFileName(source.SaveFileName());
    QMetaObject::invokeMethod(save.get(), &TSaveForm::StartSave, Qt::QueuedConnection);
    save->exec();
    // The next save starts where this one wrote.
    if (!save->SavedFileName().isEmpty())
        source.SetSaveFileName(save->SavedFileName());
    return save->SavedFileName();
}
