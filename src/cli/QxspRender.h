#pragma once

#include <QString>
#include <QStringList>

struct QxspContext;

// "render FILE OUT.png [--window main|equalizer|tray] [--scheme N]": the
// preview of one of the skin's windows, drawn by the editor's own preview
// controls without a display. Needs a QApplication.
void CmdRender(const QStringList& args, QxspContext& context);
QString QxspRenderUsage();
