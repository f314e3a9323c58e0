#pragma once

#include <utility>
#include <vector>

#include <QString>

class TVESKIniFileW;

// A document's sections and keys exactly as they stand: order, duplicates
// and lines without "=" included, so putting it back gives the same bytes.
struct TDocumentState {
    struct TSection {
        QString Name;
        // Each key as its list keeps it: the value text and the key name.
        std::vector<std::pair<QString, QString>> Keys;
        friend bool operator==(const TSection&, const TSection&) = default;
    };
    std::vector<TSection> Sections;
    friend bool operator==(const TDocumentState&, const TDocumentState&) = default;

    // Whether the section of that name (first match) differs between the two.
    static bool SectionDiffers(const TDocumentState& a, const TDocumentState& b,
                               const QString& section);
};

TDocumentState DocumentState(const TVESKIniFileW& document);
void RestoreDocument(TVESKIniFileW& document, const TDocumentState& state);
