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

// Text that should have held an integer did not. A value read from a
// document names its place before the classic text: the member and, in it,
// the section and key ("main.ini [SKIN_OPTIONS] SpectrumPeaks: '2  ' is not
// a valid integer value").
class EConvertError : public EVESKError {
public:
    explicit EConvertError(const QString& value, const QString& member = QString(),
                           const QString& where = QString())
        : EVESKError(Join(member, Detail(value, where))), Value(value), Member(member),
          Where(where) {}
    // The message without the member, as a report lists it beside the member.
    QString Detail() const { return Detail(Value, Where); }

    QString Value;
    QString Member;
    QString Where;

private:
    static QString Detail(const QString& value, const QString& where) {
        const QString text = QStringLiteral("'%1' is not a valid integer value").arg(value);
        return where.isEmpty() ? text : where + QStringLiteral(": ") + text;
    }
    static QString Join(const QString& member, const QString& detail) {
        return member.isEmpty() ? detail : member + u' ' + detail;
    }
};
