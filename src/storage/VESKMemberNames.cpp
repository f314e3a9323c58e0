#include "storage/VESKMemberNames.h"

bool IsSafeMemberFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20)
            return false;
    }
    return true;
}
