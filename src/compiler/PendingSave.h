#pragma once

#include <QByteArray>

class ISaveSource;

// The package file a save of the window would write now, made by the save
// pipeline itself on copies of the package and documents: the skin being
// edited, its previews and the file on disk stay as they are. The caller
// clears the selection frame first, as a save does. Errors propagate.
QByteArray PendingSaveBytes(ISaveSource& source);
