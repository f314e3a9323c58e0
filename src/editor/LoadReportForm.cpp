#include "editor/LoadReportForm.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "storage/LoadProblems.h"

TLoadReportForm::TLoadReportForm(const QString& fileName, const TLoadProblems& problems,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("LoadReportForm"));
    setWindowTitle(QStringLiteral("Отчёт об открытии обложки"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(980, 260);

    auto* column = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Не всё в пакете \"%1\" удалось прочитать как есть:")
                                   .arg(QFileInfo(fileName).fileName()));
    caption->setWordWrap(true);
    column->addWidget(caption);

    FList = new QTreeWidget;
    FList->setObjectName(QStringLiteral("ReportList"));
    FList->setRootIsDecorated(false);
    FList->setWordWrap(true);
    FList->setHeaderLabels({QStringLiteral("Элемент пакета"), QStringLiteral("Что не так"),
                            QStringLiteral("Что сделал редактор")});
    for (const TLoadProblem& item : problems.Items())
        FList->addTopLevelItem(new QTreeWidgetItem(
            {item.Member.isEmpty() ? QFileInfo(fileName).fileName() : item.Member, item.Problem,
             item.Action}));
    // Member and problem take what they need; what the editor did gets the
    // rest of the width.
    FList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    FList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    FList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    column->addWidget(FList, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    column->addWidget(buttons);
}
