#pragma once

#include <stdexcept>
#include <string>

#include <QString>

// Errors that reach the user's error box carry the player family's exact
// texts, so a message looks the same whichever layer raised it.
class EVESKError : public std::runtime_error {
public:
    explicit EVESKError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A stream ended before the bytes a record or member declared.
class EReadError : public EVESKError {
public:
    EReadError() : EVESKError(QStringLiteral("Stream read error")) {}
};

// A memory stream could not grow to the size asked of it.
class EOutOfMemory : public EVESKError {
public:
    EOutOfMemory() : EVESKError(QStringLiteral("Out of memory while expanding memory stream")) {}
};

// Text that should have held an integer did not.
class EConvertError : public EVESKError {
public:
    explicit EConvertError(const QString& value)
        : EVESKError(QStringLiteral("'%1' is not a valid integer value").arg(value)) {}
};
