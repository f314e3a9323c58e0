#pragma once

#include <QIODevice>
#include <QString>

// A skin's fonts are written out as "veskskin_" + member name and registered
// with the application so that previews draw with them while the editor
// runs. Each running editor has a folder of its own, so two editors side by
// side never delete each other's fonts.

// The running editor's fonts folder, ending with a separator; the
// environment variable QX_FONTS_DIR replaces it (for tests and fuzzers).
QString FontsFolder();
// The folder holding every running editor's fonts folder, one per process
// id, ending with a separator; empty while QX_FONTS_DIR is set.
QString FontsRoot();
// Whether a member name is a font: its extension, upper-cased, is ".TTF".
bool IsFontMemberName(const QString& name);
// Writes and registers the font unless a file of that name already exists.
// A name that would lead out of the folder is not installed at all.
void InstallFont(const QString& folder, const QString& name, QIODevice& stream);
// Unregisters and deletes every "veskskin_*.ttf" in the folder.
void RemoveFonts(const QString& folder);
