// SPDX-License-Identifier: GPL-3.0-or-later
// dicemere.exe as a user downloads it: a program with windows and no console, one file that needs
// no library beside it, and the icon and version block that Explorer and the installer show.
#include <QDir>
#include <QTest>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

const std::wstring Program = QDir::toNativeSeparators(DICEMERE_EXE_PATH).toStdWString();

} // namespace

class TestExecutable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsProgramNeedingOnlySystemLibraries();
    void versionBlock_data();
    void versionBlock();
    void versionNumbers();
    void icon();
};

void TestExecutable::windowsProgramNeedingOnlySystemLibraries()
{
    // Mapped as an image and never run, so its imports can be read where they lie.
    const HMODULE image = LoadLibraryExW(Program.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    QVERIFY(image);
    const auto *base = reinterpret_cast<const BYTE *>(image);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    QCOMPARE(nt->OptionalHeader.Subsystem, WORD(IMAGE_SUBSYSTEM_WINDOWS_GUI));

    const IMAGE_DATA_DIRECTORY &imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    QVERIFY(imports.VirtualAddress != 0);
    QStringList notInSystem;
    for (auto *entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        const auto *name = reinterpret_cast<const char *>(base + entry->Name);
        // Found in the system folder alone: no copy beside the program is needed.
        const HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library)
            FreeLibrary(library);
        else
            notInSystem.append(QString::fromLatin1(name));
    }
    FreeLibrary(image);
    QCOMPARE(notInSystem, QStringList());
}

void TestExecutable::versionBlock_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("product name") << "ProductName"
                                  << "Dicemere";
    QTest::newRow("product version") << "ProductVersion" << DICEMERE_WINDOWS_VERSION_TEXT;
    QTest::newRow("file version") << "FileVersion" << DICEMERE_WINDOWS_VERSION_TEXT;
    QTest::newRow("file name") << "OriginalFilename"
                               << "dicemere.exe";
}

void TestExecutable::versionBlock()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QByteArray block(GetFileVersionInfoSizeW(Program.c_str(), nullptr), '\0');
    QVERIFY(!block.isEmpty());
    QVERIFY(GetFileVersionInfoW(Program.c_str(), 0, DWORD(block.size()), block.data()));
    void *found = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040904B0\\" + name.toStdWString();
    QVERIFY(VerQueryValueW(block.constData(), path.c_str(), &found, &length));
    QCOMPARE(QString::fromWCharArray(static_cast<const wchar_t *>(found)), value);
}

void TestExecutable::versionNumbers()
{
    QByteArray block(GetFileVersionInfoSizeW(Program.c_str(), nullptr), '\0');
    QVERIFY(GetFileVersionInfoW(Program.c_str(), 0, DWORD(block.size()), block.data()));
    void *found = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(block.constData(), L"\\", &found, &length));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(found);
    const DWORD version[] = {DICEMERE_WINDOWS_VERSION_NUMBERS};
    QCOMPARE(fixed->dwFileVersionMS, DWORD(version[0] << 16 | version[1]));
    QCOMPARE(fixed->dwFileVersionLS, DWORD(version[2] << 16 | version[3]));
    QCOMPARE(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    QCOMPARE(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
}

void TestExecutable::icon()
{
    const HMODULE resources =
        LoadLibraryExW(Program.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY(resources);
    int icons = 0;
    EnumResourceNamesW(
        resources, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) -> BOOL {
            ++*reinterpret_cast<int *>(count);
            return TRUE;
        },
        LONG_PTR(&icons));
    FreeLibrary(resources);
    QCOMPARE(icons, 1);
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
