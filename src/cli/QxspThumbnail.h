#pragma once

#include <QStringList>

struct QxspContext;

// "thumbnail [-s SIZE] FILE OUT.png": the main window's preview, scaled to
// fit a square of SIZE pixels (256 unless given), for file managers. Needs
// a QApplication.
void CmdThumbnail(const QStringList& args, QxspContext& context);
