#pragma once

#include <QDockWidget>

#include "check/SkinFinding.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The checker's findings beside the previews: one row per finding with its
// severity, rule, element and message, and a line that sums them up. A
// double click (or Enter) on a row asks the window to show its place.
class TSkinCheckDock : public QDockWidget {
    Q_OBJECT

public:
    explicit TSkinCheckDock(QWidget* parent = nullptr);

    // Replaces the rows; the heading says what was checked.
    void ShowFindings(const TFindings& findings, const QString& heading);
    // The finding behind a row, or nullptr for a row the dock did not make.
    static const TFinding* FindingOf(const QTreeWidgetItem* item);

    QTreeWidget* FindingsList = nullptr;
    QLabel* SummaryLabel = nullptr;

signals:
    void FindingActivated(const TFinding& finding);
};
