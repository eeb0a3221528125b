// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Writes registry values for a test through the system's own wide-text entries, and when it goes
// puts back what was there: a value it replaced gets its old data again, and the keys it had to
// create go with everything in them.
class RegistryFixture
{
public:
    RegistryFixture() = default;
    RegistryFixture(const RegistryFixture &) = delete;
    RegistryFixture &operator=(const RegistryFixture &) = delete;
    ~RegistryFixture();

    // Writes the value (a type and its data as stored) into the key, creating the key as needed.
    bool set(HKEY root, const QString &key, const QString &name, DWORD type,
             const QByteArray &data);
    // Makes sure the value is not there.
    bool remove(HKEY root, const QString &key, const QString &name);

    // Text as the wide entries store it, with or without its terminating zero.
    static QByteArray text(const QString &text, bool withZero = true);

private:
    struct Saved
    {
        HKEY root;
        QString key;
        QString name;
        bool existed;
        DWORD type;
        QByteArray data;
    };
    void save(HKEY root, const QString &key, const QString &name);
    static std::wstring wide(const QString &text) { return text.toStdWString(); }

    QList<Saved> m_saved;
    QList<std::pair<HKEY, QString>> m_created;
};

inline QByteArray RegistryFixture::text(const QString &text, bool withZero)
{
    QByteArray data(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    if (withZero)
        data.append(2, '\0');
    return data;
}

inline void RegistryFixture::save(HKEY root, const QString &key, const QString &name)
{
    for (const Saved &saved : std::as_const(m_saved)) {
        if (saved.root == root && saved.key == key && saved.name == name)
            return;
    }
    // The topmost key of the path that is missing now is the one to remove afterwards.
    QString path;
    for (const QString &level : key.split(u'\\')) {
        path += (path.isEmpty() ? QString() : QStringLiteral("\\")) + level;
        HKEY opened = nullptr;
        if (RegOpenKeyExW(root, wide(path).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            m_created.append({root, path});
            break;
        }
        RegCloseKey(opened);
    }
    Saved saved {root, key, name, false, REG_NONE, {}};
    DWORD size = 0;
    if (RegGetValueW(root, wide(key).c_str(), wide(name).c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &saved.type, nullptr, &size)
        == ERROR_SUCCESS) {
        saved.data.resize(size);
        saved.existed =
            RegGetValueW(root, wide(key).c_str(), wide(name).c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                         &saved.type, saved.data.data(), &size)
            == ERROR_SUCCESS;
    }
    m_saved.append(saved);
}

inline bool RegistryFixture::set(HKEY root, const QString &key, const QString &name, DWORD type,
                                 const QByteArray &data)
{
    save(root, key, name);
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, wide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                        nullptr)
        != ERROR_SUCCESS)
        return false;
    // The system stores text with a zero the caller left out of the size when one follows it in
    // memory; what follows here is not zero, so the value is stored exactly as given.
    const QByteArray guarded = data + QByteArray(2, '\x01');
    const LONG status =
        RegSetValueExW(opened, wide(name).c_str(), 0, type,
                       reinterpret_cast<const BYTE *>(guarded.constData()), DWORD(data.size()));
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

inline bool RegistryFixture::remove(HKEY root, const QString &key, const QString &name)
{
    save(root, key, name);
    const LONG status = RegDeleteKeyValueW(root, wide(key).c_str(), wide(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

inline RegistryFixture::~RegistryFixture()
{
    for (auto saved = m_saved.crbegin(); saved != m_saved.crend(); ++saved) {
        if (saved->existed)
            RegSetKeyValueW(saved->root, wide(saved->key).c_str(), wide(saved->name).c_str(),
                            saved->type, saved->data.constData(), DWORD(saved->data.size()));
        else
            RegDeleteKeyValueW(saved->root, wide(saved->key).c_str(), wide(saved->name).c_str());
    }
    for (auto created = m_created.crbegin(); created != m_created.crend(); ++created) {
        RegDeleteTreeW(created->first, wide(created->second).c_str());
        RegDeleteKeyW(created->first, wide(created->second).c_str());
    }
}
