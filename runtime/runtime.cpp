// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include "error.h"
#include "messagebox.h"
#include "randomsource.h"
#include "version.h"

#include <new>
#include <QApplication>
#include <QFont>

namespace runtime {

namespace {

RandomSource *s_random = nullptr;
MessageBox *s_messageBox = nullptr;

RandomSource &defaultRandom()
{
    static RandomSource source;
    return source;
}

MessageBox &defaultMessageBox()
{
    static MessageBox box;
    return box;
}

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
}

QString Runtime::title()
{
    return QString::fromLatin1(version::title);
}

Version Runtime::version()
{
    return {version::major, version::minor, version::revision};
}

RandomSource &Runtime::random()
{
    return s_random ? *s_random : defaultRandom();
}

MessageBox &Runtime::messageBox()
{
    return s_messageBox ? *s_messageBox : defaultMessageBox();
}

void Runtime::setRandomSource(RandomSource *source)
{
    s_random = source;
}

void Runtime::setMessageBox(MessageBox *box)
{
    s_messageBox = box;
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
        messageBox().show(
            QStringLiteral("Run-time error '%1':\n\n%2").arg(int(e.number())).arg(e.description()));
    } catch (...) {
        // Nothing more can be told when even the report fails; the program still ends.
    }
    QCoreApplication::exit(FailureExitCode);
}

} // namespace runtime
