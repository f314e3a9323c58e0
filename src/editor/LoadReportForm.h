#pragma once

#include <QDialog>

class QLabel;
class QTreeWidget;
class TLoadProblems;

// After an open, what the editor could not read as it stands: one row per
// finding (member, what was wrong, what the editor did instead). It does not
// block: the user looks at the skin while the list stays beside it.
class TLoadReportForm : public QDialog {
    Q_OBJECT

public:
    TLoadReportForm(const QString& fileName, const TLoadProblems& problems,
                    QWidget* parent = nullptr);

    QTreeWidget* List() const { return FList; }

private:
    QTreeWidget* FList = nullptr;
};
