# Compiles the resource script and checks the syntax of every Windows-only source with the
# mingw-w64 cross tools, against the Qt headers of this machine.
find_program(WINDRES x86_64-w64-mingw32-windres REQUIRED)
find_program(CROSS_CXX x86_64-w64-mingw32-g++-posix REQUIRED)

set(rc_object ${CMAKE_CURRENT_BINARY_DIR}/dicemere_rc.o)
execute_process(
    COMMAND ${WINDRES} ${SOURCE_DIR}/resources/windows/dicemere.rc -O coff -o ${rc_object}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the resource script does not compile")
endif()

file(GLOB windows_sources ${SOURCE_DIR}/runtime/*_win.cpp)
foreach(source IN LISTS windows_sources)
    execute_process(
        COMMAND ${CROSS_CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Werror
            -Wno-attributes -DQT_NO_VERSION_TAGGING
            -I/usr/include/x86_64-linux-gnu/qt6 -I/usr/include/x86_64-linux-gnu/qt6/QtCore
            -I/usr/lib/x86_64-linux-gnu/qt6/mkspecs/linux-g++
            -I${SOURCE_DIR}/runtime -I${CMAKE_CURRENT_BINARY_DIR}
            ${source}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${source} does not compile for Windows")
    endif()
endforeach()
