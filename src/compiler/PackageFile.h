#pragma once

#include <QString>

class TVESKCustomFile;

// The file name with its extension (what follows the last point of the
// last path component) replaced by extension, or extension appended when it
// has none.
QString WithExtension(const QString& fileName, const QString& extension);
// The name a skin is saved under: WithExtension "qxsp".
QString SkinPackageFileName(const QString& fileName);

// Writes the whole package into the file, replacing an existing one only
// once the new file is complete: a save that fails half-way leaves the
// user's previous file as it was. Where the folder takes no new file, an
// existing file the user may write is rewritten in place, its old bytes put
// back should that fail. Raises "Cannot create file ..." when the file
// cannot be created, put in place or rewritten.
void WritePackageFile(const QString& fileName, TVESKCustomFile& package);
