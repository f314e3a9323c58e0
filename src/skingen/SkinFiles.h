#pragma once

#include <map>
#include <memory>

#include <QImage>
#include <QString>

#include "text/SkinProject.h"

// The generator's file work: reading the INI sources, writing members the
// way the player reads them (INI and text in the Windows code page with CR LF
// line ends, bitmaps as 24-bit BMP).

std::unique_ptr<TSkinProject> LoadIniSource(const QString& path);

// Line ends become CR LF; the text is written in the code page.
void WriteTextMember(const QString& sourcePath, const QString& targetPath);

// An uncompressed 24-bit bottom-up BMP, whatever the image's format.
void WriteBmp24(const QImage& image, const QString& path);

// Element name -> container, from a parent document's "PARENT" section.
std::map<QString, QString> MainParents(TSkinProject& parentDocument);
std::map<QString, QString> TrayParents(TSkinProject& parentDocument);
