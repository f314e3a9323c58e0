#pragma once

#include <vector>

#include <QString>
#include <QStringList>

// What the skin checker finds: each finding breaks one rule at one place of
// the package, named by member, section, key and value as far as they apply.

enum class TSeverity { Error, Warning };

enum class TRuleId {
    FileUnreadable,
    ContainerNotPackage,
    ContainerTruncated,
    ContainerOffset,
    ContainerDuplicateName,
    ContainerTrailingBytes,
    ContainerMemberDamaged,
    ContainerSizeMismatch,
    MemberMissing,
    MemberTemplate,
    MemberUnreadable,
    KeyMissing,
    KeyUnparseable,
    RectEmpty,
    RectReversed,
    RectOutsideBitmap,
    StateSizeMismatch,
    StripGlyphs,
    BoundsOutsidePanel,
    SliderThumb,
    FontFaceMissing,
    FontHeightZero,
    ColorInvalid,
    ParentUnknownCode,
    SchemeUnreadable,
    MaskBitmap,
    MaskKeys,
    BitmapDepth,
    BitmapNoKeyColour,
};

struct TCheckRule {
    TRuleId Id;
    const char* Name; // "rect.outside-bitmap"
    TSeverity Severity;
    // What is wrong, %1... filled from the finding's details; English for
    // the package tool, Russian for the editor.
    const char* Text;
    const char* TextRu;
};

// Every rule, in the order of TRuleId.
const std::vector<TCheckRule>& CheckRules();
const TCheckRule& CheckRule(TRuleId id);

struct TFinding {
    TFinding(TRuleId rule, QString member = {}, QString section = {}, QString key = {},
             QString value = {}, QString element = {}, QStringList details = {})
        : Rule(rule), Member(std::move(member)), Section(std::move(section)), Key(std::move(key)),
          Value(std::move(value)), Element(std::move(element)), Details(std::move(details)) {}

    TRuleId Rule;
    QString Member;
    QString Section;
    QString Key;
    QString Value;
    // The preview control the value belongs to ("PLAYBTN", "CloseBtn_").
    QString Element;
    QStringList Details;

    TSeverity Severity() const { return CheckRule(Rule).Severity; }
    QString RuleName() const { return QLatin1String(CheckRule(Rule).Name); }
    // Where the finding is, then what is wrong, in one line.
    QString Message() const;
    QString MessageRu() const;
};

using TFindings = std::vector<TFinding>;

int CountFindings(const TFindings& findings, TSeverity severity);
