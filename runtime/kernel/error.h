// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace runtime {

// The run-time errors the program can raise. Each has a fixed number, shown in the report of an
// error that nothing handles, so that a user's report names the failure exactly.
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
