#pragma once

#include <QTemporaryDir>

#include "EditorWindowFixture.h"
#include "controls/ElementControl.h"

namespace ElementsTest {

using TForm = TPreviewWindow;

} // namespace ElementsTest
