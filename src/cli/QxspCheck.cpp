#include "cli/QxspCheck.h"

#include <QFile>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSet>

#include "check/CheckedSkin.h"
#include "cli/QxspCommandTable.h"
#include "cli/QxspCommands.h"
#include "cli/QxspErrors.h"
#include "compiler/MaskCheck.h"
#include "storage/QXSPFonts.h"

namespace {

struct TCheckArgs {
    QStringList Files;
    bool Json = false;
    bool WarningsFail = false;
};

TCheckArgs ParseArgs(const QStringList& args) {
    TCheckArgs parsed;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json"))
            parsed.Json = true;
        else if (arg == QLatin1String("--werror"))
            parsed.WarningsFail = true;
        else if (arg.startsWith(QLatin1String("--")))
            ThrowUsage("check");
        else
            parsed.Files << arg;
    }
    if (parsed.Files.isEmpty())
        ThrowUsage("check");
    return parsed;
}

TFindings CheckFile(const QString& path, const TSkinCheckOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{TRuleId::FileUnreadable, {}, {}, {}, {}, {}, {file.errorString()}}};
    return CheckSkinBytes(file.readAll(), options);
}

const char* SeverityName(TSeverity severity) {
    return severity == TSeverity::Error ? "error" : "warning";
}

QJsonObject ToJson(const QString& file, const TFinding& finding) {
    return {{"file", file},
            {"rule", finding.RuleName()},
            {"severity", SeverityName(finding.Severity())},
            {"member", finding.Member},
            {"section", finding.Section},
            {"key", finding.Key},
            {"value", finding.Value},
            {"element", finding.Element},
            {"message", finding.Message()}};
}

QString Summary(const TFindings& findings) {
    const int errors = CountFindings(findings, TSeverity::Error);
    const int warnings = CountFindings(findings, TSeverity::Warning);
    if (errors == 0 && warnings == 0)
        return QStringLiteral("no findings");
    return QStringLiteral("%1 error%2, %3 warning%4")
        .arg(errors)
        .arg(errors == 1 ? "" : "s")
        .arg(warnings)
        .arg(warnings == 1 ? "" : "s");
}

} // namespace

void CmdCheck(const QStringList& args, QxspContext& context) {
    const TCheckArgs parsed = ParseArgs(args);
    // Reading each package installs its fonts for the previews the mask
    // rule draws; they go with the tool.
    const auto removeFonts = qScopeGuard([] { RemoveFonts(FontsFolder()); });
    QSet<QString> installed;
    for (const QString& family : QFontDatabase::families())
        installed.insert(family.toCaseFolded());
    TSkinCheckOptions options;
    options.FaceInstalled = [&installed](const QString& face) {
        return installed.contains(face.toCaseFolded());
    };
    options.PreviewRules = CheckMainMask;

    QJsonArray json;
    int failing = 0;
    for (const QString& path : parsed.Files) {
        const TFindings findings = CheckFile(path, options);
        for (const TFinding& finding : findings) {
            if (parsed.Json)
                json.append(ToJson(path, finding));
            else
                context.out << path << ": " << SeverityName(finding.Severity()) << ": "
                            << finding.Message() << " [" << finding.RuleName() << "]\n";
        }
        if (!parsed.Json)
            context.out << path << ": " << Summary(findings) << '\n';
        const bool fails = CountFindings(findings, TSeverity::Error) > 0 ||
                           (parsed.WarningsFail && !findings.empty());
        failing += fails ? 1 : 0;
    }
    if (parsed.Json)
        context.out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    context.out.flush();
    if (failing > 0)
        throw QxspFailure(QStringLiteral("%1 of %2 files failed the check")
                              .arg(failing)
                              .arg(parsed.Files.size()));
}
