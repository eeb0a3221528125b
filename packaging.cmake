# What `cmake --install` lays out, packaged by cpack in the build folder: a Debian package on
# Linux, an installer on Windows.
set(CPACK_PACKAGE_NAME dicemere)
set(CPACK_PACKAGE_VENDOR "The Dicemere developers")
set(CPACK_PACKAGE_CONTACT "The Dicemere developers <dicemere@dicemere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Broken as Debian shows it: lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
Dicemere rolls a single die continuously and shows the latest roll in large
type, so that a fresh random roll is always a glance away for a game master.
Seven buttons pick the die, d4 to d100, and a slider sets the pause between
rolls, from 0.125 to 2 seconds. Its About window starts the system-information
tool, hardinfo where it is installed.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://dicemere.example")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dicemere)
set(CPACK_PACKAGE_EXECUTABLES dicemere Dicemere)

set(CPACK_STRIP_FILES ON)
# Whatever the umask of whoever packs it, the folders a package makes are readable by all.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A package is built for one Debian release and its Qt; the release in the version keeps the two
# apart and lets apt replace the one for Debian 12 when the system moves on to 13.
set(debian_release)
if(EXISTS /etc/os-release)
    file(STRINGS /etc/os-release os_release REGEX "^(ID|VERSION_ID)=")
    if("ID=debian" IN_LIST os_release)
        list(FILTER os_release INCLUDE REGEX "^VERSION_ID=")
        string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" debian_release "${os_release}")
    endif()
endif()
if(debian_release)
    set(DICEMERE_DEBIAN_VERSION ${PROJECT_VERSION}+deb${debian_release})
else()
    set(DICEMERE_DEBIAN_VERSION ${PROJECT_VERSION})
endif()
set(CPACK_DEBIAN_PACKAGE_VERSION ${DICEMERE_DEBIAN_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layouts are drawn for Arial's metrics; Liberation Sans has them. The xcb platform plugin
# comes in its own package, and so does the Wayland one: X11 and every Wayland desktop with
# XWayland need only the first, so the second is recommended, which apt installs by default.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo")

if(WIN32)
    set(CPACK_GENERATOR NSIS)
    set(CPACK_PACKAGE_FILE_NAME dicemere-${PROJECT_VERSION}-setup)
    # A 64-bit installer for the 64-bit program: it writes the 64-bit registry and Program
    # Files, and with Unicode text it takes a folder of any name. Its uninstaller also takes away
    # the publisher's key once nothing else is left in it. The installer keeps no file times, so
    # the same files make the same installer, and it carries a version block of its own.
    string(JOIN "\n" CPACK_NSIS_DEFINES
        "Target amd64-unicode"
        "SetDateSave off"
        "VIProductVersion ${DICEMERE_WINDOWS_VERSION}"
        "VIAddVersionKey ProductName Dicemere"
        "VIAddVersionKey ProductVersion ${DICEMERE_WINDOWS_VERSION_TEXT}"
        "VIAddVersionKey FileVersion ${DICEMERE_WINDOWS_VERSION_TEXT}"
        "VIAddVersionKey FileDescription \"Dicemere setup\""
        "VIAddVersionKey CompanyName \"${CPACK_PACKAGE_VENDOR}\""
        "VIAddVersionKey LegalCopyright GPL-3.0-or-later"
        "Function un.onUninstSuccess"
        "    DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\""
        "FunctionEnd")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    # One entry in Add/Remove Programs whatever the version, and an install over an earlier one
    # removes that first, so no files of the old one stay behind.
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Dicemere)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\dicemere.exe")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/dicemere.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/dicemere.ico)
    set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
    set(CPACK_NSIS_CONTACT ${CPACK_PACKAGE_CONTACT})
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
else()
    set(CPACK_GENERATOR DEB)
    include(resources/debian/docs.cmake)
endif()

include(CPack)
