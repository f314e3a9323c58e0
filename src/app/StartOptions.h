#pragma once

#include <QString>
#include <QStringList>

class TQXForm;

// What the command line asks of the editor: to start (with a package or the
// built-in skin), or only to answer --help or --version, or nothing at all
// because it makes no sense.
struct TStartOptions {
    enum class TAction { Start, Help, Version, Error };
    TAction Action = TAction::Start;
    QString File; // empty: the built-in skin
    QString Text; // the answer, or the error without the program's name
};

// Reads the arguments after Qt has taken its own (argv[0] first).
TStartOptions ParseStartOptions(const QStringList& arguments);

// Opens the package the user named as "Открыть" does: a file that is no
// package is said so and leaves the built-in skin, one that cannot be read
// reaches the error box. Nothing happens for an empty name.
void OpenStartSkin(TQXForm& window, const QString& fileName);
