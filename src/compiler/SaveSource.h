#pragma once

#include <QString>

class IEditorDialogs;
class QWidget;
struct TSaveTarget;

// What a save needs of the window it saves: the skin as it stands, the
// dialogs to ask through, the window to sit over, and the file the skin was
// last opened from or saved to. The save pipeline knows the window by this
// only.
class ISaveSource {
public:
    virtual ~ISaveSource() = default;

    // The package, documents, previews, page values and the hook that shows
    // the skins page, taken when a save starts.
    virtual TSaveTarget SaveTarget() = 0;
    virtual IEditorDialogs& SaveDialogs() = 0;
    virtual QWidget* SaveWindow() = 0;
    virtual QString SaveFileName() const = 0;
    virtual void SetSaveFileName(const QString& fileName) = 0;
};
