#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "storage/SkinVocabulary.h"

struct QxspContext;

// "render FILE OUT.png [--window main|equalizer|tray] [--scheme N]": the
// preview of one of the skin's windows, drawn by the editor's own preview
// controls without a display. Needs a QApplication.
void CmdRender(const QStringList& args, QxspContext& context);

// The window's preview of the package file in colour scheme scheme; a file
// that is no package, a scheme it lacks or a window without a size that can
// be drawn is a QxspFailure.
QImage RenderSkinWindow(const QString& fileName, TSkinWindow window, int scheme = 0);
// Replaces the file only once the whole picture is written.
void WritePngFile(const QString& fileName, const QImage& image);
