#pragma once

#include <QStringList>
#include <QTextStream>

class QIODevice;

// The tool's commands. Each takes the arguments after the command word,
// writes its report to out (binary member bytes go to rawOut), and raises
// QxspUsageError or QxspFailure instead of returning a status.
struct QxspContext {
    QTextStream& out;
    QIODevice& rawOut;
    QTextStream& err; // warnings that do not change the exit status
};

void CmdList(const QStringList& args, QxspContext& context);
void CmdExtract(const QStringList& args, QxspContext& context);
void CmdAdd(const QStringList& args, QxspContext& context);
void CmdRemove(const QStringList& args, QxspContext& context);
void CmdUnpack(const QStringList& args, QxspContext& context);
void CmdPack(const QStringList& args, QxspContext& context);
