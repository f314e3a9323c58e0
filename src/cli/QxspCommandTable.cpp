#include "cli/QxspCommandTable.h"

#include "cli/QxspCheck.h"
#include "cli/QxspCommands.h"
#include "cli/QxspCompile.h"
#include "cli/QxspErrors.h"
#include "cli/QxspRender.h"
#include "cli/QxspThumbnail.h"

namespace {

constexpr TQxspCommand kCommands[] = {
    {"list", "list FILE", "header texts and one line per member",
     "Prints the skin's name and author from the header, the number of members and one line\n"
     "per member: its name, size, compressed size and offset.",
     false, CmdList},
    {"extract", "extract FILE MEMBER [-o OUT]", "a member's bytes, to standard output or OUT",
     "Writes a member's bytes to standard output, or to OUT. Member names match without\n"
     "regard to the case of ASCII letters.",
     false, CmdExtract},
    {"add", "add FILE NAME SOURCE", "add or replace a member (creates FILE if missing)",
     "Adds the file SOURCE as member NAME, replacing a member of that name; FILE is created\n"
     "when it does not exist.",
     false, CmdAdd},
    {"remove", "remove FILE NAME", "remove a member", "Removes a member.", false, CmdRemove},
    {"unpack", "unpack FILE DIR", "every member as a file in DIR, with a manifest",
     "Writes every member as a file into DIR, with a manifest (qxsp-manifest.txt) that keeps\n"
     "the header texts and the member order.",
     false, CmdUnpack},
    {"pack", "pack DIR FILE", "the reverse of unpack",
     "Builds FILE from the folder and its manifest, or from every file in the folder in name\n"
     "order without one.",
     false, CmdPack},
    {"render",
     "render FILE OUT.png [--window main|equalizer|tray] [--scheme N] "
     "[--state rest|hover|pressed|checked] [--element NAME]",
     "a window of the skin as the editor previews it",
     "Draws one of the skin's windows (the main window by default) as the editor previews it,\n"
     "in colour scheme N (0, the skin's own colours, by default). With --state its buttons\n"
     "show the texture of that state as in the editor's test mode: hover the pointer over\n"
     "them, pressed held down, checked two-state buttons switched on (push buttons stay at\n"
     "rest); with --element only the button NAME does.",
     true, CmdRender},
    {"thumbnail", "thumbnail [-s SIZE] FILE OUT.png", "the main window's picture for file managers",
     "Draws the main window's preview scaled to fit a square of SIZE pixels (256 by default,\n"
     "at most 4096).",
     true, CmdThumbnail},
    {"compile", "compile FILE OUT", "save the skin as the editor saves it",
     "Saves the skin as the editor saves it: the sections are written from its previews and\n"
     "the mask is made anew.",
     true, CmdCompile},
    {"check", "check FILE... [--json] [--werror]", "the skin's mistakes, before the player finds them",
     "Checks each file for mistakes the player would show and prints one line per finding\n"
     "with its severity, place and rule; with --json, a JSON array of objects with the fields\n"
     "file, rule, severity, member, section, key, value, element and message. Exits with 1\n"
     "when a file has an error, or with --werror a warning.",
     true, CmdCheck},
};

QString UsageLine(const TQxspCommand& command) {
    return QStringLiteral("usage: qxsp %1").arg(QLatin1String(command.Synopsis));
}

} // namespace

std::span<const TQxspCommand> QxspCommands() {
    return kCommands;
}

const TQxspCommand* FindQxspCommand(const QString& name) {
    for (const TQxspCommand& command : kCommands)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

QString QxspHelp() {
    QString help = QStringLiteral("qxsp: read, write, draw and check .qxsp skin packages\n\nusage:\n");
    for (const bool drawing : {false, true}) {
        if (drawing)
            help += QStringLiteral("drawing (needs no display):\n");
        for (const TQxspCommand& command : kCommands)
            if (command.Drawing == drawing)
                help += QStringLiteral("  qxsp %1\n      %2\n")
                            .arg(QLatin1String(command.Synopsis), QLatin1String(command.Summary));
    }
    return help + QStringLiteral(
                      "  qxsp COMMAND --help\n"
                      "      what the command does\n"
                      "\n"
                      "Exit status: 0 success, 1 bad input (or a check that failed), 2 bad usage.\n"
                      "An output file is replaced only when it has been written completely.\n");
}

QString QxspCommandHelp(const TQxspCommand& command) {
    return UsageLine(command) + QStringLiteral("\n\n") + QLatin1String(command.Details) + u'\n';
}

void ThrowUsage(const char* command) {
    const TQxspCommand* found = FindQxspCommand(QLatin1String(command));
    throw QxspUsageError(found ? UsageLine(*found) : QStringLiteral("usage: see qxsp --help"));
}
