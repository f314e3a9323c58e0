#pragma once

#include <QString>
#include <QStringList>

struct QxspContext;

// "check FILE... [--json] [--werror]": every rule of the skin checker over
// each file, as a list or as JSON. Exit status 1 when a file has an error,
// or a warning with --werror. Needs a QApplication.
void CmdCheck(const QStringList& args, QxspContext& context);
