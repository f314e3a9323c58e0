#pragma once

#include <QString>

class TVESKCustomFile;

// The name a skin is saved under: its extension (what follows the last
// point of the last path component) replaced by ".qxsp", or ".qxsp"
// appended when it has none.
QString SkinPackageFileName(const QString& fileName);

// Writes the whole package into the file, replacing an existing one only
// once the new file is complete: a save that fails half-way leaves the
// user's previous file as it was. Raises "Cannot create file ..." when the
// file cannot be created or put in place, "Stream write error" when writing
// fails.
void WritePackageFile(const QString& fileName, TVESKCustomFile& package);
