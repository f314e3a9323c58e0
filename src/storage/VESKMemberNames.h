#pragma once

#include <QString>

// Member names come from strangers' packages. A name that is to become a
// file name (an unpacked member, an installed font) must stay inside its
// folder: no separators, no drive, no "." or "..", nothing empty.
bool IsSafeMemberFileName(const QString& name);
