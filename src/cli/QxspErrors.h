#pragma once

#include <stdexcept>

#include <QString>

// Bad input (a file that cannot be read, a damaged package, a missing
// member): the tool exits with status 1.
class QxspFailure : public std::runtime_error {
public:
    explicit QxspFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Bad command line: the tool exits with status 2.
class QxspUsageError : public std::runtime_error {
public:
    explicit QxspUsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
