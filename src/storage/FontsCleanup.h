#pragma once

#include <QString>

// The fonts a skin installs live only as long as the editor (or the package
// tool) that wrote them: also when it is ended by SIGTERM or SIGHUP, as a
// logout or a kill ends it, and when it crashed, in which case the next
// start removes what it left.

// From now on SIGTERM and SIGHUP delete every "veskskin_*.ttf" in folder and
// the folder itself, then end the process as the signal would have.
void RemoveFontsOnSignals(const QString& folder);

// Removes the fonts folders, below root, of runs whose process is gone.
// Folders of running editors and anything that is not a run's folder stay.
void RemoveStaleFontFolders(const QString& root);
