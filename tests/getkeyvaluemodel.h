// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What frmAbout::GetKeyValue must give for a value it finds, worked out from the value alone;
// tst_getkeyvalue and the fuzz target both check the reader against it.

#include "runtime/kernel/runtime.h"
#include "runtime/registry/registryconstants.h"
#include "runtime/text/ansitext.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <utility>

namespace getkeyvaluemodel {

struct Stored
{
    quint32 type;
    QByteArray data;
};

// The truth value and the text, or no answer at all when the reader has to raise the
// invalid-argument error. before is what the text held when the reader was called.
inline std::optional<std::pair<runtime::Truth, QString>> expected(const Stored &value,
                                                                  const QString &before)
{
    namespace reg = runtime::registry;
    if (value.data.size() > 1024)
        return std::pair {runtime::TruthFalse, QString()};
    if (value.data.isEmpty())
        return std::nullopt;
    QByteArray bytes = value.data;
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    if (value.type == reg::TypeString)
        return std::pair {runtime::TruthTrue, runtime::ansi::decode(bytes)};
    if (value.type == reg::TypeDword) {
        QString number = "&h";
        for (qsizetype i = bytes.size() - 1; i >= 0; --i)
            number += QString::asprintf("%02X", quint8(bytes.at(i)));
        return std::pair {runtime::TruthTrue, number};
    }
    return std::pair {runtime::TruthTrue, before};
}

} // namespace getkeyvaluemodel
