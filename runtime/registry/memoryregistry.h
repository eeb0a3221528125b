// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/registry/registryapi.h"

#include <optional>
#include <QByteArray>
#include <QHash>
#include <QString>

namespace runtime {

// Registry keys and values held in memory, built in code and read through the same calls, with
// the same statuses, as the system's registry entries. Key and value names ignore case; a
// backslash separates key names.
class MemoryRegistry : public RegistryApi
{
public:
    MemoryRegistry();

    // Creates the key below a predefined root, with every key above it.
    void createKey(RegistryHandle root, const QByteArray &path);
    // An empty name stands for the key's default value. Text is held as given, with or without
    // its terminating zero.
    void setValue(RegistryHandle root, const QByteArray &path, const QByteArray &name, quint32 type,
                  const QByteArray &data);

    // Only reading is granted, and a value can only be read through a handle granted that.
    // Options only ask for symbolic links, which this registry has none of.
    qint32 RegOpenKeyExA(RegistryHandle key, const char *subKey, quint32 options,
                         quint32 desiredAccess, RegistryHandle *result) override;
    qint32 RegQueryValueExA(RegistryHandle key, const char *name, quint32 *reserved, quint32 *type,
                            quint8 *data, quint32 *dataSize) override;
    qint32 RegCloseKey(RegistryHandle key) override;

private:
    struct Value
    {
        quint32 type;
        QByteArray data;
    };
    using Values = QHash<QString, Value>;
    struct OpenKey
    {
        QString path;
        quint32 access;
    };

    // The key's path; the key and those above it are created when missing.
    QString addKey(RegistryHandle root, const QByteArray &path);
    std::optional<OpenKey> find(RegistryHandle key) const;
    RegistryHandle newHandle();

    // Keys by their root and case-folded path; open handles name a key by that path, so they
    // stay valid whatever else the containers do.
    QHash<QString, Values> m_keys;
    QHash<RegistryHandle, OpenKey> m_handles;
    RegistryHandle m_lastHandle = 0;
};

} // namespace runtime
