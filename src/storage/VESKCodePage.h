#pragma once

#include <QByteArray>
#include <QString>

// Member names, header texts and 8-bit INI members are exchanged with a
// Windows player whose users write Russian: the system code page is
// Windows-1251, and this is the one place that knows it.

// Characters outside the code page become '?', as the platform's default
// substitution does.
QByteArray WideToAnsi(const QString& source);
QString AnsiToWide(const QByteArray& source);
