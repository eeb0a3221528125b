// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace runtime {

// The run-time error numbers the program can raise; the numbers follow the classic
// BASIC run-time so a report reads the way users of such tools expect.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    OutOfMemory = 7,
    FloatingPoint = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    PermissionDenied = 70,
    ControlFailure = 380,
    EntryNotFound = 453,
    Internal = 51,
};

class Error : public std::runtime_error
{
public:
    explicit Error(ErrorNumber number);
    Error(ErrorNumber number, const QString &description);

    ErrorNumber number() const { return m_number; }
    QString description() const { return m_description; }

    static QString standardDescription(ErrorNumber number);

private:
    ErrorNumber m_number;
    QString m_description;
};

} // namespace runtime
