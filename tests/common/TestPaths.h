#pragma once

#include <QString>

// Where this build put its programs and generated files, and where the
// sources lie: compiled in, so a suite started by hand finds them as ctest
// does.
inline QString TestBinaryDir() {
    return QStringLiteral(QX_TEST_BINARY_DIR);
}

inline QString TestSourceDir() {
    return QStringLiteral(QX_TEST_SOURCE_DIR);
}
