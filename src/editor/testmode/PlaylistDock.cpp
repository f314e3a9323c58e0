#include "editor/testmode/PlaylistDock.h"

#include <QMouseEvent>

#include "controls/PlainPanel.h"

TPlaylistDock::TPlaylistDock(TPlainPanel* dock, const TTestPage& main)
    : FDock(dock), FMain(main), FTracking(dock->hasMouseTracking()),
      FLayout(PlaylistLayout(dock->FreeArea().size(), *main.Document, *main.Bitmap)) {
    FDock->setMouseTracking(true);
    FDock->installEventFilter(this);
    Show();
}

TPlaylistDock::~TPlaylistDock() {
    if (!FDock)
        return;
    FDock->removeEventFilter(this);
    FDock->setMouseTracking(FTracking);
    FDock->SetPicture(QImage());
}

bool TPlaylistDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FDock)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool left = mouse->button() == Qt::LeftButton;
        Point(mouse->position().toPoint() - FDock->FreeArea().topLeft(),
              left && event->type() != QEvent::MouseButtonRelease,
              left && event->type() == QEvent::MouseButtonRelease);
        return true;
    }
    case QEvent::Leave:
        Point(QPoint(-1, -1), false, true);
        return false;
    default:
        return false;
    }
}

void TPlaylistDock::Point(QPoint at, bool pressed, bool released) {
    int row = -1;
    const TPlaylistPart part = PlaylistPartAt(FLayout, at, row);
    TPlaylistPointer next = FPointer;
    next.Hovered = part;
    // A button stays down while the mouse button is held over it.
    next.Pressed = !released && (pressed || (FPointer.Pressed && FPointer.Hovered == part));
    if (pressed && part == TPlaylistPart::Row)
        next.SelectedRow = row;
    if (next == FPointer)
        return;
    FPointer = next;
    Show();
}

void TPlaylistDock::Show() {
    if (!FDock)
        return;
    FDock->SetPicture(DrawSamplePlaylist(FDock->FreeArea().size(), *FMain.Document,
                                         *FMain.Bitmap, FPointer));
}
