#pragma once

#include <QTemporaryDir>

#include "EditorWindowFixture.h"
#include "controls/ElementControl.h"

namespace ElementsTest {

using TForm = TPreviewWindow;

// A drag as the user makes it, the keys held on the press and the release;
// the grabbed point stays at (2, 2) of the element.
inline void DragElement(QWidget* element, QPoint by, Qt::MouseButton button,
                        Qt::KeyboardModifiers keys) {
    const QPoint grab(2, 2);
    QTest::mousePress(element, button, keys, grab);
    // Two steps, each seen from where the element stands by then.
    QTest::mouseMove(element, grab + by / 2);
    QTest::mouseMove(element, grab + (by - by / 2));
    QTest::mouseRelease(element, button, keys, grab);
}

inline void AltDrag(QWidget* element, QPoint by, Qt::KeyboardModifiers keys = Qt::AltModifier) {
    DragElement(element, by, Qt::LeftButton, keys);
}

} // namespace ElementsTest
