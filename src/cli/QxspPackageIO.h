#pragma once

#include <QByteArray>
#include <QString>

class TVESKCustomFile;

// Reads a package file into the container; a file that is not a package, or
// one cut short, is a QxspFailure with a one-line reason.
void LoadPackageFile(const QString& path, TVESKCustomFile& package);
// Replaces path only once the new package is complete.
void SavePackageFile(const QString& path, TVESKCustomFile& package);
// Replaces path only once all bytes are written.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
QByteArray ReadWholeFile(const QString& path);
