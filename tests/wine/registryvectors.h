// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registry test vectors, run once through the system's advapi32 entries (regdriver.exe under
// Wine) and once through runtime::MemoryRegistry (tst_wineregistry), so that the outcomes can be
// compared (runvector.h). Plain C++ only: the driver is built by the cross compiler, where there
// is no Qt.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace registryvectors {

// Handles travel as 64-bit numbers; the predefined roots are 32-bit values sign-extended.
constexpr std::uint64_t root(std::uint32_t value)
{
    return std::uint64_t(std::int64_t(std::int32_t(value)));
}
constexpr std::uint64_t ClassesRoot = root(0x80000000);
constexpr std::uint64_t CurrentUser = root(0x80000001);
constexpr std::uint64_t LocalMachine = root(0x80000002);
constexpr std::uint64_t Users = root(0x80000003);
constexpr std::uint64_t CurrentConfig = root(0x80000005);

constexpr std::uint32_t KeyQueryValue = 0x0001;
constexpr std::uint32_t KeySetValue = 0x0002;
constexpr std::uint32_t ReadControl = 0x20000;
constexpr std::uint32_t KeyRead = 0x20019;
constexpr std::uint32_t KeyAllAccess = 0xf003f;
// What a reader asking for more than reading would use: KEY_READ with the write rights.
constexpr std::uint32_t KeyReadWrite = 0x2003f;
constexpr std::uint32_t KeyWow64_64Key = 0x0100;
constexpr std::uint32_t KeyWow64_32Key = 0x0200;

// Everything lives under this key of the current user, which a test may write.
inline const std::string Key = "Software\\DicemereTest";

struct Value
{
    std::string name;
    std::uint32_t type;
    std::string data;
};

// The keys below Key to create, and the values of Key itself.
inline std::vector<std::string> subKeys()
{
    return {"Sub", "Caf\xe9", "Sub\\Deeper"};
}

// A fixed sequence, the same on every compiler: xorshift32.
class Sequence
{
public:
    std::uint32_t next(std::uint32_t bound)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state % bound;
    }

private:
    std::uint32_t m_state = 20261207;
};

inline std::vector<Value> values()
{
    const std::string z(1, '\0');
    std::string cp1252;
    for (int c = 0x80; c <= 0xff; ++c)
        cp1252 += char(c);
    std::vector<Value> list = {
        {"", 1, "dicemere" + z},
        {"Terminated", 1, "dice" + z},
        {"Unterminated", 1, "dice"},
        {"Expand", 2, "%HOME%"},
        {"Multi", 7, "a" + z + "b" + z + z},
        {"Empty", 1, ""},
        {"Blob", 3, "\x01\x02\x03"},
        {"Pause", 4, std::string("\x10\0\0\0", 4)},
        {"Number", 4, std::string("\x78\x56\x34\x12", 4)},
        {"Latin", 1, "caf\xe9" + z},
        {"High bytes", 1, cp1252 + z},
        {"Inner zeros", 1, "a" + z + "b" + z},
        {"Caf\xe9", 1, "accented name" + z},
        {"Blanks and ; $(shell)", 1, "/usr/bin/tool; touch x" + z},
        {"Fits", 1, std::string(1023, 'x') + z},
        {"Just over", 1, std::string(1024, 'x') + z},
        {"Fits bare", 1, std::string(1024, 'x')},
        {"Long", 1, std::string(2047, 'y') + z},
        {"Long binary", 3, std::string(2048, '\x5a')},
    };
    // Random values: sizes 0 to 2048, with and without a terminating zero.
    Sequence random;
    const std::uint32_t types[] = {0, 1, 2, 3, 4, 7, 11};
    for (int i = 0; i < 60; ++i) {
        const std::uint32_t type = types[random.next(7)];
        std::string data(random.next(2049), '\0');
        for (char &byte : data)
            byte = char(random.next(4) == 0 ? 0 : 1 + random.next(255));
        if (!data.empty() && random.next(2))
            data.back() = '\0';
        list.push_back({"Random " + std::to_string(i), type, data});
    }
    return list;
}

// A name as it can stand in a tag: ASCII, with other bytes as hexadecimal.
inline std::string printable(const std::string &name)
{
    std::string text;
    char escaped[5];
    for (const char c : name) {
        if (c >= ' ' && c <= '~') {
            text += c;
        } else {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(std::uint8_t(c)));
            text += escaped;
        }
    }
    return text;
}

enum class Kind { Open, Query, Close };
// What the operation is handed: a given handle, or Key opened for reading (and maybe closed).
enum class Base { Given, OpenKey, ClosedKey };

struct Vector
{
    std::string tag;
    Kind kind = Kind::Open;
    Base base = Base::OpenKey;
    std::uint64_t given = 0;
    // Open: the sub-key (none for a null pointer) and the rights; no result pointer if asked.
    std::optional<std::string> subKey;
    std::uint32_t access = KeyRead;
    bool withResult = true;
    // Query: the value name (none for a null pointer), the buffer and which pointers are given.
    std::optional<std::string> name;
    std::uint32_t capacity = 0;
    bool withData = true;
    bool withSize = true;
    bool withType = true;
    bool withReserved = false;
    // Wine 8 writes through a null result pointer and crashes, so the driver skips these.
    bool crashesWine = false;
};

inline Vector openVector(std::string tag, std::uint64_t given, std::optional<std::string> subKey,
                         std::uint32_t access)
{
    Vector v;
    v.tag = std::move(tag);
    v.kind = Kind::Open;
    v.base = Base::Given;
    v.given = given;
    v.subKey = std::move(subKey);
    v.access = access;
    return v;
}

inline Vector openBelow(std::string tag, Base base, std::optional<std::string> subKey)
{
    Vector v = openVector(std::move(tag), 0, std::move(subKey), KeyRead);
    v.base = base;
    return v;
}

inline Vector queryVector(std::string tag, std::optional<std::string> name, std::uint32_t capacity)
{
    Vector v;
    v.tag = std::move(tag);
    v.kind = Kind::Query;
    v.name = std::move(name);
    v.capacity = capacity;
    return v;
}

inline Vector closeVector(std::string tag, Base base, std::uint64_t given = 0)
{
    Vector v;
    v.tag = std::move(tag);
    v.kind = Kind::Close;
    v.base = base;
    v.given = given;
    return v;
}

inline std::vector<Vector> vectors()
{
    const std::string key = Key;
    std::vector<Vector> list = {
        openVector("open for reading", CurrentUser, key, KeyRead),
        openVector("open read-write on a key the user may write", CurrentUser, key, KeyReadWrite),
        openVector("open all access", CurrentUser, key, KeyAllAccess),
        openVector("open set value right", CurrentUser, key, KeySetValue),
        openVector("open query right only", CurrentUser, key, KeyQueryValue),
        openVector("open read control only", CurrentUser, key, ReadControl),
        openVector("open with no rights", CurrentUser, key, 0),
        openVector("open in the 64-bit view", CurrentUser, key, KeyRead | KeyWow64_64Key),
        openVector("open in other case", CurrentUser, "SOFTWARE\\dicemeretest", KeyRead),
        openVector("open with trailing backslash", CurrentUser, key + "\\", KeyRead),
        openVector("open with leading backslash", CurrentUser, "\\" + key, KeyRead),
        openVector("open missing key", CurrentUser, "Software\\DicemereNowhere", KeyRead),
        openVector("open missing key with all access", CurrentUser, "Software\\DicemereNowhere",
                   KeyAllAccess),
        openVector("open part of a name", CurrentUser, "Software\\DicemereTes", KeyRead),
        openVector("open a value's name as a key", CurrentUser, key + "\\Terminated", KeyRead),
        openVector("open accented name in other case", CurrentUser, key + "\\CAF\xc9", KeyRead),
        openVector("open two levels", CurrentUser, key + "\\sub\\deeper", KeyRead),
        openVector("open empty sub-key of a root", CurrentUser, "", KeyRead),
        openVector("open null sub-key of a root", CurrentUser, std::nullopt, KeyRead),
        openVector("open below handle zero", 0, key, KeyRead),
        openVector("open below a made-up handle", 0x1234, key, KeyRead),
        openVector("open machine software for reading", LocalMachine, "Software", KeyRead),
        openVector("open machine software read-write", LocalMachine, "Software", KeyReadWrite),
        openBelow("open below an open key", Base::OpenKey, "Sub"),
        openBelow("open empty sub-key of an open key", Base::OpenKey, ""),
        openBelow("open null sub-key of an open key", Base::OpenKey, std::nullopt),
        openBelow("open leading backslash below an open key", Base::OpenKey, "\\Sub"),
        openBelow("open below a closed key", Base::ClosedKey, "Sub"),
    };
    Vector noResult = openVector("open without a result pointer", CurrentUser, key, KeyRead);
    noResult.withResult = false;
    noResult.crashesWine = true;
    list.push_back(noResult);

    list.push_back(closeVector("close an open key", Base::OpenKey));
    list.push_back(closeVector("close a closed key", Base::ClosedKey));
    list.push_back(closeVector("close handle zero", Base::Given, 0));
    list.push_back(closeVector("close a made-up handle", Base::Given, 0x1234));
    for (const auto &[tag, handle] : {std::pair {"close classes root", ClassesRoot},
                                      {"close current user", CurrentUser},
                                      {"close local machine", LocalMachine},
                                      {"close users", Users},
                                      {"close current config", CurrentConfig}})
        list.push_back(closeVector(tag, Base::Given, handle));

    list.push_back(queryVector("query text with room", "Terminated", 16));
    list.push_back(queryVector("query text exact fit", "Terminated", 5));
    list.push_back(queryVector("query text one short", "Terminated", 4));
    list.push_back(queryVector("query text into no room", "Terminated", 0));
    list.push_back(queryVector("query unterminated text with room", "Unterminated", 16));
    list.push_back(queryVector("query unterminated text exact fit", "Unterminated", 4));
    list.push_back(queryVector("query unterminated text one short", "Unterminated", 3));
    list.push_back(queryVector("query unterminated expandable text", "Expand", 16));
    list.push_back(queryVector("query text list", "Multi", 16));
    list.push_back(queryVector("query binary with room", "Blob", 16));
    list.push_back(queryVector("query double word", "Pause", 4));
    list.push_back(queryVector("query empty text", "Empty", 16));
    list.push_back(queryVector("query empty text into no room", "Empty", 0));
    list.push_back(queryVector("query name in other case", "tERMINATED", 16));
    list.push_back(queryVector("query accented name in other case", "CAF\xc9", 32));
    list.push_back(queryVector("query default value by empty name", "", 16));
    list.push_back(queryVector("query default value by null name", std::nullopt, 16));
    list.push_back(queryVector("query missing value", "Nowhere", 16));
    list.push_back(queryVector("query text with inner zeros", "Inner zeros", 16));
    Vector sizeOnly = queryVector("query size only", "Terminated", 0);
    sizeOnly.withData = false;
    list.push_back(sizeOnly);
    Vector missingSize = sizeOnly;
    missingSize.tag = "query size of a missing value";
    missingSize.name = "Nowhere";
    missingSize.capacity = 7;
    list.push_back(missingSize);
    Vector existence = sizeOnly;
    existence.tag = "query neither data nor size";
    existence.withSize = false;
    list.push_back(existence);
    Vector noSize = queryVector("query buffer without a size", "Terminated", 16);
    noSize.withSize = false;
    list.push_back(noSize);
    Vector noType = queryVector("query without a type", "Blob", 16);
    noType.withType = false;
    list.push_back(noType);
    Vector reserved = queryVector("query with a reserved pointer", "Terminated", 16);
    reserved.withReserved = true;
    list.push_back(reserved);
    Vector closed = queryVector("query through a closed key", "Terminated", 16);
    closed.base = Base::ClosedKey;
    list.push_back(closed);
    Vector zero = queryVector("query through handle zero", "Terminated", 16);
    zero.base = Base::Given;
    list.push_back(zero);
    Vector atRoot = queryVector("query through a root", "Nowhere", 16);
    atRoot.base = Base::Given;
    atRoot.given = CurrentUser;
    list.push_back(atRoot);

    // Every value as the program reads it (1024 bytes), into an exact fit and one byte short.
    for (const Value &value : values()) {
        const auto size = std::uint32_t(value.data.size());
        const std::string name = value.name.empty() ? "(default)" : printable(value.name);
        list.push_back(queryVector("value " + name + " into 1024", value.name, 1024));
        list.push_back(queryVector("value " + name + " exact fit", value.name, size));
        if (size > 0)
            list.push_back(queryVector("value " + name + " one short", value.name, size - 1));
    }
    return list;
}

} // namespace registryvectors
