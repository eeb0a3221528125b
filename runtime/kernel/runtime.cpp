// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/runtime.h"

#include "runtime/accessibility/accessibility.h"
#include "runtime/controls/stillbuttonstyle.h"
#include "runtime/kernel/error.h"
#include "runtime/kernel/version.h"
#include "runtime/system/messagedialog.h"

#include <new>
#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace runtime {

namespace {

Error asError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(std::move(error));
    } catch (const Error &e) {
        return e;
    } catch (const std::bad_alloc &) {
        return Error(ErrorNumber::OutOfMemory);
    } catch (const std::exception &e) {
        return Error(ErrorNumber::Internal, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return Error(ErrorNumber::Internal);
    }
}

} // namespace

void Runtime::initialise()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(version::title));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision));
    // Eight points of a face with Arial's metrics: the layouts' 17-pixel labels are drawn for
    // it, and the pause scale's blanks only line up with the slider in a face this narrow.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
    // The roll is drawn in Arial. Where there is none, the face made to its metrics stands in:
    // GDI and fontconfig know that themselves, DirectWrite (Qt's choice on Windows since 6.8,
    // Wine's included) does not.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (!qobject_cast<StillButtonStyle *>(QApplication::style()))
        QApplication::setStyle(
            new StillButtonStyle(QStyleFactory::create(QApplication::style()->name())));
    installAccessibility();
}

QString Runtime::title()
{
    return QString::fromLatin1(version::title);
}

Version Runtime::version()
{
    return {version::major, version::minor, version::revision};
}

int Runtime::exec()
{
    if (s_failed)
        return FailureExitCode;
    return QApplication::exec();
}

void Runtime::fail(std::exception_ptr error) noexcept
{
    s_failed = true;
    try {
        const Error e = asError(std::move(error));
        MessageDialog::current().show(
            QStringLiteral("Run-time error '%1':\n\n%2").arg(int(e.number())).arg(e.description()));
    } catch (...) {
        // Nothing more can be told when even the report fails; the program still ends.
    }
    QCoreApplication::exit(FailureExitCode);
}

} // namespace runtime
