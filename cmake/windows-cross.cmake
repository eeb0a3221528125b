# The windows preset's toolchain: mingw-w64 (mingw-w64.cmake) and the static Qt that
# scripts/qt-mingw.sh cross-builds, found in $DICEMERE_QT_MINGW or else in the folder where
# scripts/windows.sh keeps it, unless CMAKE_PREFIX_PATH names another.
if(NOT CMAKE_PREFIX_PATH)
    if(DEFINED ENV{DICEMERE_QT_MINGW})
        set(CMAKE_PREFIX_PATH "$ENV{DICEMERE_QT_MINGW}")
    else()
        set(CMAKE_PREFIX_PATH "$ENV{HOME}/.cache/dicemere/qt-6.4.2-mingw-r2")
    endif()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
