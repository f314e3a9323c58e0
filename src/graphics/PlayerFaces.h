#pragma once

#include <QString>
#include <QStringList>

// Skins name the faces of the player's own system (Tahoma, Tahoma Bold,
// MS Sans Serif), which a Linux desktop lacks: fontconfig would stand in a
// wider face and every label would measure wrong. Debian's fonts-wine ships
// metric-compatible ones; they are registered for this program only, and
// only for the families the system does not have itself.

// The folder the faces are taken from.
QString PlayerFacesFolder();

// Registers the missing faces from the folder; answers the families
// registered. Needs a QGuiApplication.
QStringList RegisterPlayerFaces(const QString& folder = PlayerFacesFolder());

// A font a package brings wins over these: Qt would keep drawing the face
// registered first, so the stand-ins of its families are withdrawn.
void YieldPlayerFaces(const QStringList& families);
