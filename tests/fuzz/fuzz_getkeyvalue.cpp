// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes frmAbout::GetKeyValue. The input builds a registry (keys, value names, types, data of
// 0 to 2048 bytes with and without a terminating zero) and one lookup; the reader must answer
// as getkeyvaluemodel.h says and close every key it opened. scripts/fuzz.sh runs it.
#include "about/frmabout.h"
#include "getkeyvaluemodel.h"
#include "runtime/kernel/error.h"
#include "runtime/kernel/servicescope.h"
#include "runtime/registry/memoryregistry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <map>
#include <QApplication>
#include <QSet>
#include <tuple>

namespace {

namespace reg = runtime::registry;
using runtime::RegistryHandle;

constexpr RegistryHandle Roots[] = {reg::ClassesRoot, reg::CurrentUser, reg::LocalMachine,
                                    reg::Users, reg::CurrentConfig};
constexpr quint32 Types[] = {reg::TypeString, reg::TypeExpandString, reg::TypeBinary,
                             reg::TypeDword, reg::TypeMultiString};
// Few letters, so that names meet often; each comes in both cases. The pair beyond ASCII is no
// text in UTF-8: each byte reads as itself, so the two never meet.
constexpr char Letters[] = {'a', 'A', 'b', 'B', '\xe9', '\xc9'};

char otherCase(char letter)
{
    const auto at = std::find(std::begin(Letters), std::end(Letters), letter);
    const auto index = at - std::begin(Letters);
    return Letters[index ^ 1];
}

// The name as the registry matches it: case does not count.
QByteArray folded(QByteArray name)
{
    for (char &c : name) {
        if (c == 'a' || c == 'b')
            c = otherCase(c);
    }
    return name;
}

QByteArray name(FuzzedDataProvider &in, size_t minLength)
{
    QByteArray text;
    for (size_t length = in.ConsumeIntegralInRange<size_t>(minLength, 3); length > 0; --length)
        text += Letters[in.ConsumeIntegralInRange<size_t>(0, std::size(Letters) - 1)];
    return text;
}

// Up to three key names; none is the root itself.
QByteArray keyPath(FuzzedDataProvider &in)
{
    QByteArrayList names;
    for (size_t depth = in.ConsumeIntegralInRange<size_t>(0, 3); depth > 0; --depth)
        names.append(name(in, 1));
    return names.join('\\');
}

QByteArray recased(FuzzedDataProvider &in, QByteArray text)
{
    for (char &c : text) {
        if (c != '\\' && in.ConsumeBool())
            c = otherCase(c);
    }
    return text;
}

QByteArray data(FuzzedDataProvider &in)
{
    const auto size = in.ConsumeIntegralInRange<qsizetype>(0, 2048);
    const char fill = in.ConsumeIntegral<char>();
    const int ending = in.ConsumeIntegralInRange(0, 2);
    const std::string given = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, size));
    QByteArray bytes(given.data(), qsizetype(given.size()));
    bytes.resize(size, fill);
    if (size > 0 && ending == 1)
        bytes.back() = '\0';
    if (size > 0 && ending == 2 && bytes.back() == '\0')
        bytes.back() = 'z';
    return bytes;
}

// The registry, noting which keys are open.
class TallyingRegistry : public runtime::MemoryRegistry
{
public:
    explicit TallyingRegistry(runtime::MemoryRegistry registry)
        : MemoryRegistry(std::move(registry))
    { }

    qint32 RegOpenKeyExA(RegistryHandle key, const char *subKey, quint32 options, quint32 access,
                         RegistryHandle *result) override
    {
        const qint32 status = MemoryRegistry::RegOpenKeyExA(key, subKey, options, access, result);
        if (status == reg::Success)
            opened.insert(*result);
        return status;
    }
    qint32 RegCloseKey(RegistryHandle key) override
    {
        if (!opened.remove(key))
            strayClose = true;
        return MemoryRegistry::RegCloseKey(key);
    }

    QSet<RegistryHandle> opened;
    bool strayClose = false;
};

QString describe(const std::optional<std::pair<runtime::Truth, QString>> &answer)
{
    if (!answer)
        return QStringLiteral("an error");
    return QString::number(answer->first) + QStringLiteral(" \"") + answer->second + u'"';
}

[[noreturn]] void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "GetKeyValue %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char program[] = "fuzz_getkeyvalue";
    static char *argv[] = {program, nullptr};
    static QApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider in(bytes, size);
    runtime::MemoryRegistry registry;
    // By root, folded key path and folded value name; a later value replaces an earlier one.
    std::map<std::tuple<RegistryHandle, QByteArray, QByteArray>, getkeyvaluemodel::Stored> stored;
    std::vector<std::tuple<RegistryHandle, QByteArray, QByteArray>> written;
    for (int count = in.ConsumeIntegralInRange(0, 4); count > 0; --count) {
        const RegistryHandle root = Roots[in.ConsumeIntegralInRange<size_t>(0, 4)];
        const QByteArray key = keyPath(in);
        const QByteArray value = name(in, 0);
        const quint32 type = in.ConsumeBool() ? Types[in.ConsumeIntegralInRange<size_t>(0, 4)]
                                              : in.ConsumeIntegral<quint32>();
        const QByteArray content = data(in);
        registry.setValue(root, key, value, type, content);
        stored[{root, folded(key), folded(value)}] = {type, content};
        written.emplace_back(root, key, value);
    }

    RegistryHandle root;
    QByteArray key;
    QByteArray value;
    if (!written.empty() && in.ConsumeBool()) {
        const auto &[writtenRoot, writtenKey, writtenValue] =
            written.at(in.ConsumeIntegralInRange<size_t>(0, written.size() - 1));
        root = writtenRoot;
        key = recased(in, writtenKey);
        value = recased(in, writtenValue);
    } else {
        root = in.ConsumeBool() ? Roots[in.ConsumeIntegralInRange<size_t>(0, 4)]
                                : reg::predefinedRoot(in.ConsumeIntegral<quint32>());
        key = keyPath(in);
        value = name(in, 0);
    }
    // One trailing backslash names the same key.
    const QByteArray lookupKey = !key.isEmpty() && in.ConsumeBool() ? key + '\\' : key;
    const QString before = QString::fromUtf8(in.ConsumeRandomLengthString(8));

    const auto found = stored.find({root, folded(key), folded(value)});
    const std::optional<std::pair<runtime::Truth, QString>> want = found == stored.end()
        ? std::pair {runtime::TruthFalse, QString()}
        : getkeyvaluemodel::expected(found->second, before);

    TallyingRegistry tally(std::move(registry));
    std::optional<runtime::ServiceScope<runtime::RegistryApi>> served(std::in_place, tally);
    QString text = before;
    std::optional<std::pair<runtime::Truth, QString>> got;
    try {
        const runtime::Truth read = about::frmAbout::instance().GetKeyValue(
            qint32(quint32(root)), runtime::ansi::decode(lookupKey), runtime::ansi::decode(value),
            text);
        got = std::pair {read, text};
    } catch (const runtime::Error &e) {
        if (e.number() != runtime::ErrorNumber::InvalidArgument)
            fail("raised", e.description());
    }
    served.reset();

    if (got != want)
        fail("answered", describe(got) + QStringLiteral(", not ") + describe(want));
    if (!tally.opened.isEmpty())
        fail("left a key open");
    if (tally.strayClose)
        fail("closed a key it had not opened");
    return 0;
}
