#include "app/StartOptions.h"

#include <QCommandLineParser>

#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"

namespace {

const QString kProgram = QStringLiteral("qxskinedit");

// Qt's usage line names the program by the path it was started with; a
// Linux program names itself, so the help reads the same from any folder.
QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    const qsizetype usage = text.indexOf(QLatin1String("Usage: "));
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    if (usage == 0 && options > 0)
        text.replace(7, options - 7, kProgram);
    return text;
}

} // namespace

TStartOptions ParseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Skin editor for the VESK Classic media player: opens FILE.qxsp, or the\n"
                       "skin built into the program when no file is given."));
    // Qt's own help option also offers --help-all, which would list options
    // of Qt's that the editor does not document.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version and ends."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("FILE.qxsp"),
                                 QStringLiteral("The skin package to open."),
                                 QStringLiteral("[FILE.qxsp]"));

    TStartOptions options;
    if (!parser.parse(arguments)) {
        options.Action = TStartOptions::TAction::Error;
        options.Text = parser.errorText();
    } else if (parser.isSet(help)) {
        options.Action = TStartOptions::TAction::Help;
        options.Text = HelpText(parser);
    } else if (parser.isSet(version)) {
        options.Action = TStartOptions::TAction::Version;
        options.Text = kProgram + u' ' + QStringLiteral(QX_VERSION) + u'\n';
    } else if (parser.positionalArguments().size() > 1) {
        options.Action = TStartOptions::TAction::Error;
        options.Text = QStringLiteral("only one file can be opened");
    } else if (!parser.positionalArguments().isEmpty()) {
        options.File = parser.positionalArguments().constFirst();
    }
    return options;
}

void OpenStartSkin(TQXForm& window, const QString& fileName) {
    if (!fileName.isEmpty())
        Guarded(&window, [&] { window.OpenSkin(fileName); });
}
