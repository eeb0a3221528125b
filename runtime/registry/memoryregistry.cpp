// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry/memoryregistry.h"

#include "runtime/registry/registryconstants.h"
#include "runtime/text/ansitext.h"

#include <algorithm>
#include <array>

namespace runtime {

namespace {

constexpr std::array roots = {registry::ClassesRoot, registry::CurrentUser, registry::LocalMachine,
                              registry::Users, registry::CurrentConfig};

bool isRoot(RegistryHandle key)
{
    return std::find(roots.begin(), roots.end(), key) != roots.end();
}

QString rootPath(RegistryHandle root)
{
    return QString::number(root, 16);
}

// Upper case one character at a time, as the system compares names: 'ß' stays itself. A byte
// that is no text in the code set compares as the replacement character, as the system's own
// conversion reads it, so names that differ only there meet.
QString folded(const QByteArray &name)
{
    QString text = ansi::decode(name);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // beyond the basic plane, where no letter has a case
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
        else
            text[i] = text.at(i).toUpper();
    }
    return text;
}

bool isText(quint32 type)
{
    return type == registry::TypeString || type == registry::TypeExpandString
        || type == registry::TypeMultiString;
}

} // namespace

MemoryRegistry::MemoryRegistry()
{
    for (const RegistryHandle root : roots)
        m_keys.insert(rootPath(root), {});
}

void MemoryRegistry::createKey(RegistryHandle root, const QByteArray &path)
{
    addKey(root, path);
}

void MemoryRegistry::setValue(RegistryHandle root, const QByteArray &path, const QByteArray &name,
                              quint32 type, const QByteArray &data)
{
    m_keys[addKey(root, path)].insert(folded(name), {type, data});
}

qint32 MemoryRegistry::RegOpenKeyExA(RegistryHandle key, const char *subKey, quint32,
                                     quint32 desiredAccess, RegistryHandle *result)
{
    if (!result)
        return registry::InvalidParameter;
    *result = 0;
    const std::optional<OpenKey> base = find(key);
    if (!base)
        return registry::InvalidHandle;
    QByteArray path(subKey ? subKey : "");
    if (path.startsWith('\\'))
        return registry::BadPathname;
    if (path.endsWith('\\'))
        path.chop(1);
    const QString target = path.isEmpty() ? base->path : base->path + u'\\' + folded(path);
    if (!m_keys.contains(target))
        return registry::FileNotFound;
    if (desiredAccess & ~(registry::KeyRead | registry::KeyWow64_64Key | registry::KeyWow64_32Key))
        return registry::AccessDenied;
    *result = newHandle();
    m_handles.insert(*result, {target, desiredAccess});
    return registry::Success;
}

qint32 MemoryRegistry::RegQueryValueExA(RegistryHandle key, const char *name, quint32 *reserved,
                                        quint32 *type, quint8 *data, quint32 *dataSize)
{
    if (reserved || (data && !dataSize))
        return registry::InvalidParameter;
    const std::optional<OpenKey> open = find(key);
    if (!open)
        return registry::InvalidHandle;
    if (!(open->access & registry::KeyQueryValue))
        return registry::AccessDenied;
    const Values &values = *m_keys.constFind(open->path);
    const auto value = values.constFind(folded(name));
    if (value == values.cend())
        return registry::FileNotFound;
    const auto size = quint32(value->data.size());
    if (type)
        *type = value->type;
    if (data && size > *dataSize) {
        *dataSize = size;
        return registry::MoreData;
    }
    if (data) {
        std::copy(value->data.cbegin(), value->data.cend(), data);
        // Text stored without its zero still reads as a string where the buffer has room.
        if (isText(value->type) && size > 0 && !value->data.endsWith('\0') && size < *dataSize)
            data[size] = 0;
    }
    if (dataSize)
        *dataSize = size;
    return registry::Success;
}

qint32 MemoryRegistry::RegCloseKey(RegistryHandle key)
{
    if (isRoot(key) || m_handles.remove(key))
        return registry::Success;
    return registry::InvalidHandle;
}

QString MemoryRegistry::addKey(RegistryHandle root, const QByteArray &path)
{
    Q_ASSERT(isRoot(root));
    QString key = rootPath(root);
    for (const QByteArray &name : path.split('\\')) {
        if (name.isEmpty())
            continue;
        key += u'\\' + folded(name);
        if (!m_keys.contains(key))
            m_keys.insert(key, {});
    }
    return key;
}

std::optional<MemoryRegistry::OpenKey> MemoryRegistry::find(RegistryHandle key) const
{
    if (isRoot(key))
        return OpenKey {rootPath(key), registry::KeyRead};
    const auto handle = m_handles.constFind(key);
    if (handle == m_handles.cend())
        return std::nullopt;
    return *handle;
}

RegistryHandle MemoryRegistry::newHandle()
{
    // Multiples of four below 2^31, like the system's: never zero, never a predefined root.
    do
        m_lastHandle = (m_lastHandle + 4) & 0x7ffffffc;
    while (m_lastHandle == 0 || m_handles.contains(m_lastHandle));
    return m_lastHandle;
}

} // namespace runtime
