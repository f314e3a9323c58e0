#pragma once

#include <QMetaType>

#include "graphics/VESKRect.h"

// Lets data-driven tests put skin rectangles into their tables.
Q_DECLARE_METATYPE(TRect)
