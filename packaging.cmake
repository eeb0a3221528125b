# A Debian package of what `cmake --install` lays out: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME dicemere)
set(CPACK_PACKAGE_VENDOR "The Dicemere developers")
set(CPACK_PACKAGE_CONTACT "The Dicemere developers <dicemere@dicemere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Dicemere rolls a single die continuously and shows the latest roll in large type, so that a fresh random roll is always a glance away.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://dicemere.example")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dicemere)
set(CPACK_PACKAGE_EXECUTABLES dicemere Dicemere)

set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layouts are drawn for Arial's metrics; Liberation Sans has them. The xcb platform plugin
# comes in its own package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()

include(CPack)
