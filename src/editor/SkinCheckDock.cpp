#include "editor/SkinCheckDock.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

class TFindingItem : public QTreeWidgetItem {
public:
    explicit TFindingItem(TFinding finding) : FFinding(std::move(finding)) {}
    const TFinding& Finding() const { return FFinding; }

private:
    TFinding FFinding;
};

QString SeverityText(TSeverity severity) {
    return severity == TSeverity::Error ? QStringLiteral("Ошибка")
                                        : QStringLiteral("Предупреждение");
}

QString SummaryText(const TFindings& findings, const QString& heading) {
    const int errors = CountFindings(findings, TSeverity::Error);
    const int warnings = CountFindings(findings, TSeverity::Warning);
    if (errors == 0 && warnings == 0)
        return QStringLiteral("%1: ошибок и предупреждений нет.").arg(heading);
    return QStringLiteral("%1: ошибок %2, предупреждений %3. Двойной щелчок показывает место.")
        .arg(heading)
        .arg(errors)
        .arg(warnings);
}

} // namespace

TSkinCheckDock::TSkinCheckDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Проверка обложки"), parent) {
    setObjectName(QStringLiteral("CheckDock"));
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);

    SummaryLabel = new QLabel(body);
    SummaryLabel->setObjectName(QStringLiteral("CheckSummary"));
    column->addWidget(SummaryLabel);

    FindingsList = new QTreeWidget(body);
    FindingsList->setObjectName(QStringLiteral("CheckFindings"));
    FindingsList->setRootIsDecorated(false);
    FindingsList->setUniformRowHeights(true);
    FindingsList->setAlternatingRowColors(true);
    FindingsList->setHeaderLabels({QStringLiteral("Важность"), QStringLiteral("Правило"),
                                   QStringLiteral("Элемент"), QStringLiteral("Сообщение")});
    FindingsList->header()->setStretchLastSection(true);
    column->addWidget(FindingsList, 1);
    setWidget(body);

    const auto activate = [this](QTreeWidgetItem* item) {
        if (const TFinding* finding = FindingOf(item))
            emit FindingActivated(*finding);
    };
    // A double click activates a row as Enter does.
    connect(FindingsList, &QTreeWidget::itemActivated, this, activate);
}

void TSkinCheckDock::ShowFindings(const TFindings& findings, const QString& heading) {
    FindingsList->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    // Errors first, each group in the checker's order.
    TFindings sorted = findings;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TFinding& a, const TFinding& b) {
        return a.Severity() == TSeverity::Error && b.Severity() != TSeverity::Error;
    });
    for (const TFinding& finding : sorted) {
        auto* item = new TFindingItem(finding);
        item->setIcon(0, finding.Severity() == TSeverity::Error ? error : warning);
        item->setText(0, SeverityText(finding.Severity()));
        item->setText(1, finding.RuleName());
        item->setText(2, finding.Element);
        item->setText(3, finding.MessageRu());
        item->setToolTip(3, finding.MessageRu());
        FindingsList->addTopLevelItem(item);
    }
    for (int column = 0; column < 3; ++column)
        FindingsList->resizeColumnToContents(column);
    SummaryLabel->setText(SummaryText(findings, heading));
}

const TFinding* TSkinCheckDock::FindingOf(const QTreeWidgetItem* item) {
    const auto* row = dynamic_cast<const TFindingItem*>(item);
    return row ? &row->Finding() : nullptr;
}
