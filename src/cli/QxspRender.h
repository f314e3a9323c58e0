#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "editor/testmode/HeadlessStates.h"
#include "storage/SkinVocabulary.h"

struct QxspContext;

// "render FILE OUT.png [--window main|equalizer|tray] [--scheme N]
// [--state rest|hover|pressed|checked] [--element NAME]": the preview of one
// of the skin's windows, drawn by the editor's own preview controls without
// a display, its buttons (or the named one) in a state of the test mode.
// Needs a QApplication.
void CmdRender(const QStringList& args, QxspContext& context);

struct TRenderStates {
    TPreviewState State = TPreviewState::Rest;
    QString Element; // empty: every button
};

// The window's preview of the package file in colour scheme scheme; a file
// that is no package, a scheme it lacks, an element that is none of the
// window's buttons or a window without a size that can be drawn is a
// QxspFailure.
QImage RenderSkinWindow(const QString& fileName, TSkinWindow window, int scheme = 0,
                        const TRenderStates& states = {});
// Replaces the file only once the whole picture is written.
void WritePngFile(const QString& fileName, const QImage& image);
