#include "controls/SelectedElement.h"

QPointer<QWidget> SelectedElement;
