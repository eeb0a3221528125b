// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/error.h"

namespace runtime {

Error::Error(ErrorNumber number)
    : Error(number, standardDescription(number))
{ }

Error::Error(ErrorNumber number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{ }

QString Error::standardDescription(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::FloatingPoint:
        return QStringLiteral("Floating-point error");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrorNumber::ControlFailure:
        return QStringLiteral("Invalid property value");
    case ErrorNumber::EntryNotFound:
        return QStringLiteral("Can't find DLL entry point");
    case ErrorNumber::Internal:
        return QStringLiteral("Internal error");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

} // namespace runtime
