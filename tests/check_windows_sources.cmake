# Compiles the resource script and checks the syntax of every Windows-only source with the
# mingw-w64 cross tools, against this build's Qt headers (QT_INCLUDES). Where the cross tools
# are missing it says so and ends with the code CTest counts as skipped.
find_program(WINDRES x86_64-w64-mingw32-windres)
find_program(CROSS_CXX x86_64-w64-mingw32-g++-posix)
if(NOT WINDRES OR NOT CROSS_CXX)
    message("skipped: no mingw-w64 cross compiler (apt-get install g++-mingw-w64-x86-64-posix)")
    cmake_language(EXIT 77)
endif()

set(rc_object ${BINARY_DIR}/dicemere_rc.o)
execute_process(
    COMMAND ${WINDRES} ${BINARY_DIR}/resources/dicemere.rc -O coff -o ${rc_object}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the resource script does not compile")
endif()

set(include_flags -I${SOURCE_DIR} -I${BINARY_DIR})
# Qt's own folders only: the build machine's system headers are not the cross compiler's.
foreach(directory IN LISTS QT_INCLUDES)
    if(NOT directory STREQUAL "/usr/include")
        list(APPEND include_flags -I${directory})
    endif()
endforeach()
file(GLOB windows_sources ${SOURCE_DIR}/runtime/*/*_win.cpp)
foreach(source IN LISTS windows_sources)
    execute_process(
        COMMAND ${CROSS_CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Werror
            -Wno-attributes -DQT_NO_VERSION_TAGGING -DQT_NO_KEYWORDS -DQT_NO_CAST_FROM_ASCII
            -DQT_NO_CAST_TO_ASCII ${include_flags} ${source}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${source} does not compile for Windows")
    endif()
endforeach()
