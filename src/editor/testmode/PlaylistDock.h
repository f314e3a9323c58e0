#pragma once

#include <QObject>
#include <QPointer>

#include "editor/testmode/PlaylistLooks.h"
#include "editor/testmode/TestMode.h"

class TPlainPanel;

// The dock's sample playlist while testing, answering the pointer as the
// player's list does: the scroll buttons light up and go down, a click
// selects a track. Gone with the object: the dock shows its caption again.
class TPlaylistDock : public QObject {
public:
    TPlaylistDock(TPlainPanel* dock, const TTestPage& main);
    ~TPlaylistDock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Point(QPoint at, bool pressed, bool released);
    void Show();

    QPointer<TPlainPanel> FDock; // gone first when the window closes while testing
    TTestPage FMain;
    bool FTracking;
    TPlaylistLayout FLayout;
    TPlaylistPointer FPointer;
};
