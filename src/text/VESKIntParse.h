#pragma once

#include <optional>

#include <QString>

// The integer syntax of INI values: leading blanks, one optional sign, then
// decimal digits, or hexadecimal digits after "$", "x" or "0x" (either case).
// Nothing may follow. Decimal values must fit a signed 32-bit integer; up to
// eight hexadecimal digits are a 32-bit pattern, so "$FFFFFFFF" is -1 and a
// colour written in hex keeps its system-colour top byte.
//
// The text is taken through the system code page first, as the player does,
// so characters the code page lacks can never pass for digits.
std::optional<int> TryStrToInt(const QString& text);

// As TryStrToInt, raising EConvertError with the (code page) text on failure.
int StrToInt(const QString& text);
