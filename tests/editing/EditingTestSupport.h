#pragma once

#include "EditorWindowFixture.h"
#include "controls/SelectedElement.h"
#include "graphics/VESKRect.h"

namespace EditingTest {

using TForm = TPreviewWindow;

inline QString Rect(TSkinProject& document, const QString& section, const QString& key) {
    return RectToStr(document.ReadRect(section, key, TRect{-1, -1, -1, -1}));
}

} // namespace EditingTest
