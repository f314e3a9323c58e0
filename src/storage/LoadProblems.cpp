#include "storage/LoadProblems.h"

#include <algorithm>

#include <QStringList>

void TLoadProblems::Add(const TLoadProblem& problem) {
    if (std::find(FItems.begin(), FItems.end(), problem) == FItems.end())
        FItems.push_back(problem);
}

bool TLoadProblems::Concerns(const QString& member) const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [&](const TLoadProblem& item) { return item.Member == member; });
}

const TLoadProblem* TLoadProblems::FirstOf(TProblemKind kind) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [&](const TLoadProblem& item) { return item.Kind == kind; });
    return found == FItems.end() ? nullptr : &*found;
}

QStringList TLoadProblems::Lines() const {
    QStringList lines;
    for (const TLoadProblem& item : FItems)
        lines << QStringLiteral("%1: %2 (%3)")
                     .arg(item.Member.isEmpty() ? QStringLiteral("package") : item.Member,
                          item.Problem, item.Action);
    return lines;
}
