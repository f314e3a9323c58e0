#pragma once

#include <map>

#include <QImage>
#include <QString>

#include "text/SkinProject.h"

// The windows put together from a finished skin the way the editor's
// previews show them (resting states: buttons normal, toggles unchecked,
// sliders half way), used for the mask and the contact sheet.
struct TSkinWindowSource {
    TSkinProject* Document;
    QImage Bitmap;
    std::map<QString, QString> Parents; // element name -> container
};

// The main window: bars, face with its elements and the playlist dock, as
// high as twice the face. With samples set, labels show sample texts and the
// dock shows a sample playlist; without, the dock is left black.
QImage ComposeMainWindow(TSkinWindowSource& source, bool samples);
QImage ComposeEqualizer(TSkinWindowSource& source, bool samples);
QImage ComposeTray(TSkinWindowSource& source, bool samples);

// The mask of the main window from its composed picture: the face from the
// top, the bottom panel over the last rows, the bars' bottom pieces in the
// lower corners; white where that picture is the key colour, black elsewhere.
QImage BuildMainMask(TSkinWindowSource& source, const QImage& composedMainWindow);
