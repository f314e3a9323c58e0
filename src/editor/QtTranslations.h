#pragma once

// The editor speaks Russian; Qt's own dialogs (files, fonts, colours,
// message boxes) are made to speak it too, from Qt's translations
// (Debian qt6-translations-l10n). Answers whether they were found.
bool InstallQtRussian();
