#pragma once

#include <span>

#include <QString>
#include <QStringList>

struct QxspContext;

// Every command of the tool in one table: its word, its synopsis, what
// "qxsp --help" and "qxsp COMMAND --help" say about it, and whether it
// draws (and so needs widgets without a display). The manual page follows
// this table; a test holds them to each other.
struct TQxspCommand {
    const char* Name;
    const char* Synopsis; // what follows "qxsp "
    const char* Summary;  // one line of "qxsp --help"
    const char* Details;  // the paragraph of "qxsp COMMAND --help"
    bool Drawing;
    void (*Run)(const QStringList& args, QxspContext& context);
};

std::span<const TQxspCommand> QxspCommands();
const TQxspCommand* FindQxspCommand(const QString& name);

QString QxspHelp();
QString QxspCommandHelp(const TQxspCommand& command);

// "usage: qxsp SYNOPSIS" of the named command, as a usage error.
[[noreturn]] void ThrowUsage(const char* command);
