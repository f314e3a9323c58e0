#pragma once

#include <QString>
#include <QStringList>

struct QxspContext;

// "compile FILE OUT": opens the package in the editor's own window, without
// showing it, and saves it to OUT through the editor's save pipeline:
// sections written from the previews, mask made anew, members in the
// editor's order. OUT gets the bytes a save in the editor writes. Needs a
// QApplication.
void CmdCompile(const QStringList& args, QxspContext& context);
