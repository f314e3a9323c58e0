#pragma once

#include <vector>

#include <QString>
#include <QStringList>

// One thing a load could not take as it stands: the member (empty for the
// package file itself), what was wrong with it, and what was done instead.
// Plain data, so the editor's report, the package tool and checkers of
// packages read the same findings.
enum class TProblemKind {
    Unreadable,      // a member that cannot be inflated, decoded or parsed
    BadValue,        // a value that does not parse ("main.ini [S] K: ...")
    MisplacedOffset, // a record whose stored offset is not where its bytes are
    DuplicateName,   // a second member of a name (ASCII case ignored), dropped
};

struct TLoadProblem {
    QString Member;
    QString Problem;
    QString Action;
    TProblemKind Kind = TProblemKind::Unreadable;

    bool operator==(const TLoadProblem&) const = default;
};

class TLoadProblems {
public:
    // The same finding twice (a member read by two loaders) is kept once.
    void Add(const TLoadProblem& problem);
    void Add(const QString& member, const QString& problem, const QString& action,
             TProblemKind kind = TProblemKind::Unreadable) {
        Add(TLoadProblem{member, problem, action, kind});
    }
    void Clear() { FItems.clear(); }
    bool IsEmpty() const { return FItems.empty(); }
    int Count() const { return int(FItems.size()); }
    const std::vector<TLoadProblem>& Items() const { return FItems; }
    // Whether any finding concerns this member (names compared as given).
    bool Concerns(const QString& member) const;
    const TLoadProblem* FirstOf(TProblemKind kind) const;
    // One line per finding: "member: problem (action)".
    QStringList Lines() const;

private:
    std::vector<TLoadProblem> FItems;
};
