#include "check/SkinRules.h"

void CheckContainer(const TCheckedSkin& skin, TFindings& findings) {
    const TContainerReport& report = skin.Container;
    using S = TContainerReport::TState;
    if (report.State == S::NotPackage) {
        findings.push_back({TRuleId::ContainerNotPackage, {}, {}, {}, {}, {},
                            {report.NotPackageReason}});
        return;
    }
    if (report.State == S::Truncated)
        findings.push_back({TRuleId::ContainerTruncated, {}, {}, {}, {}, {},
                            {QString::number(report.Members.size() + 1),
                             QString::number(report.DeclaredCount)}});

    for (const TContainerMemberReport& member : report.Members) {
        if (member.Offset != member.ExpectedOffset)
            findings.push_back({TRuleId::ContainerOffset, member.Name, {}, {}, {}, {},
                                {QString::number(member.Offset),
                                 QString::number(member.ExpectedOffset)}});
        if (member.SameNameAs >= 0)
            findings.push_back(
                {TRuleId::ContainerDuplicateName, member.Name, {}, {}, {}, {},
                 {report.Members[std::size_t(member.SameNameAs)].Name}});
        if (!member.InflatedSize)
            findings.push_back({TRuleId::ContainerMemberDamaged, member.Name});
        else if (*member.InflatedSize != member.Size)
            findings.push_back({TRuleId::ContainerSizeMismatch, member.Name, {}, {}, {}, {},
                                {QString::number(member.Size),
                                 QString::number(*member.InflatedSize)}});
    }
    if (report.TrailingBytes > 0)
        findings.push_back({TRuleId::ContainerTrailingBytes, {}, {}, {}, {}, {},
                            {QString::number(report.TrailingBytes)}});
}
