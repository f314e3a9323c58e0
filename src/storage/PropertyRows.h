#pragma once

#include <array>
#include <span>

#include <QString>

#include "storage/SkinVocabulary.h"

// The property sheet's vocabulary: which rows an element gets, in which
// order, and which INI value each row edits. Kept as data so the tables can
// be read against the skin format row by row.

// Where a row's value text comes from.
enum class TRowValue {
    Stored,           // the value of the row's own key, shown by its type
    MultiDisplaySpan, // the rectangle spanning the two multi-display blocks
};

struct TRowSpec {
    const char* Caption;
    const char* TypeName;
    const char* Section;
    // "*" at the start stands for the element's key stem.
    const char* Key;
    // Integers, colours and styles; booleans as 0 or 1.
    int Default = 0;
    bool Dependent = false;
    // A master row's dependent keys, "*" standing for the stem as above.
    std::array<const char*, 3> Dependents = {};
    TRowValue Value = TRowValue::Stored;
};

// The rows of one element kind in one window.
struct TKindRows {
    ElementKind Kind;
    std::span<const TRowSpec> Rows;
    // Labels and list boxes show their left, top, width and height for
    // typing.
    bool LabelGeometry = false;
};

// The rows of a main window area that has its own instead of its kind's.
struct TAreaRows {
    const char* Name;
    std::span<const TRowSpec> Rows;
    // Playlist panels stacked at the top can be brought to the first place.
    bool MoveUp = false;
};

const TAreaRows* FindMainAreaRows(const QString& elementName);
// nullptr: the kind has no rows in that window.
const TKindRows* FindKindRows(TSkinWindow window, ElementKind kind);

// The row's key, or a dependent key, for an element's key stem.
QString ExpandKey(const char* pattern, const QString& stem);
