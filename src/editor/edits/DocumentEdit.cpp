#include "editor/edits/DocumentEdit.h"

#include "text/VESKIniFileW.h"

namespace {

const TDocumentState::TSection* SectionOf(const TDocumentState& state, const QString& name) {
    for (const TDocumentState::TSection& section : state.Sections)
        if (WideSameText(section.Name, name))
            return &section;
    return nullptr;
}

} // namespace

bool TDocumentState::SectionDiffers(const TDocumentState& a, const TDocumentState& b,
                                    const QString& section) {
    const TSection* left = SectionOf(a, section);
    const TSection* right = SectionOf(b, section);
    if (!left || !right)
        return left != right;
    return !(*left == *right);
}

TDocumentState DocumentState(const TVESKIniFileW& document) {
    TDocumentState state;
    state.Sections.reserve(size_t(document.Sections.Count()));
    for (int i = 0; i < document.Sections.Count(); ++i) {
        TDocumentState::TSection section{document.Sections.Strings(i), {}};
        if (const TVESKStringListW* keys = document.Sections.Objects(i)) {
            section.Keys.reserve(size_t(keys->Count()));
            for (int k = 0; k < keys->Count(); ++k)
                section.Keys.emplace_back(keys->Strings(k), keys->Names(k));
        }
        state.Sections.push_back(std::move(section));
    }
    return state;
}

void RestoreDocument(TVESKIniFileW& document, const TDocumentState& state) {
    document.Clear();
    for (const TDocumentState::TSection& section : state.Sections) {
        const int index = document.AddSection(section.Name);
        TVESKStringListW* keys = document.Sections.Objects(index);
        for (const auto& [text, name] : section.Keys)
            keys->AddPair(text, name);
    }
}
