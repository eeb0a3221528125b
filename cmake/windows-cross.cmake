# The windows preset's toolchain: mingw-w64 (mingw-w64.cmake) and the static Qt that
# scripts/qt-mingw.sh cross-builds, found in $DICEMERE_QT_MINGW (the scripts set it; see
# scripts/lib.sh), unless CMAKE_PREFIX_PATH names another.
if(NOT CMAKE_PREFIX_PATH)
    if(NOT DEFINED ENV{DICEMERE_QT_MINGW})
        message(FATAL_ERROR "Name the cross-built Qt: set DICEMERE_QT_MINGW or CMAKE_PREFIX_PATH")
    endif()
    set(CMAKE_PREFIX_PATH "$ENV{DICEMERE_QT_MINGW}")
endif()
# Debian's Qt source leaves out the plugins of a module unless asked (on Debian they come in
# packages of their own); a static Qt has its platform plugin and styles only if they are linked
# into the executable.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
