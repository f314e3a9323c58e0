#include "text/VESKIntParse.h"

#include <cstdint>

#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexPrefix(const char* p, const char* end, qsizetype& length) {
    if (p < end && (*p == '$' || *p == 'x' || *p == 'X')) {
        length = 1;
        return true;
    }
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        length = 2;
        return true;
    }
    return false;
}

std::optional<std::uint32_t> ParseHex(const char* p, const char* end) {
    if (p == end)
        return std::nullopt;
    std::uint32_t value = 0;
    for (; p < end; ++p) {
        const int digit = HexDigit(*p);
        if (digit < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = (value << 4) | std::uint32_t(digit);
    }
    return value;
}

// The magnitude, allowed up to 2^31 so that the most negative value parses.
std::optional<std::uint32_t> ParseDecimal(const char* p, const char* end) {
    if (p == end)
        return std::nullopt;
    std::uint64_t value = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(*p - '0');
        if (value > 0x80000000u)
            return std::nullopt;
    }
    return std::uint32_t(value);
}

std::optional<int> ParseAnsi(const QByteArray& text) {
    const char* p = text.constData();
    const char* end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    std::optional<std::uint32_t> magnitude;
    qsizetype prefix = 0;
    if (IsHexPrefix(p, end, prefix)) {
        magnitude = ParseHex(p + prefix, end);
    } else {
        magnitude = ParseDecimal(p, end);
        if (magnitude && *magnitude == 0x80000000u && !negative)
            return std::nullopt;
    }
    if (!magnitude)
        return std::nullopt;
    // Two's complement wrap: hex patterns and -2147483648 map as the player's
    // 32-bit arithmetic maps them.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<int>(bits);
}

} // namespace

std::optional<int> TryStrToInt(const QString& text) {
    return ParseAnsi(WideToAnsi(text));
}

int StrToInt(const QString& text) {
    const QByteArray ansi = WideToAnsi(text);
    if (const auto value = ParseAnsi(ansi))
        return *value;
    // Error texts travel as C strings; a NUL would cut the message short.
    QString shown = AnsiToWide(ansi);
    shown.replace(QChar(u'\0'), QChar(u'?'));
    throw EConvertError(shown);
}
