#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the top bar, drawn by the program itself so that it needs
// no image files: the logo and the open and save buttons.
QPixmap MakeLogoPicture(const QSize& size);
QPixmap MakeOpenPicture(const QSize& size);
QPixmap MakeSavePicture(const QSize& size);
