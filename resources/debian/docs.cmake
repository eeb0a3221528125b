# What a Debian package carries beside the program: its manual page, in section 6 with the other
# games' pages, and the copyright file and changelog that every package has. Written while
# configuring, so that an install after any build has them.
set(docs ${PROJECT_BINARY_DIR}/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/dicemere.6.in ${docs}/dicemere.6 @ONLY)
# The latest entry names the package's own version, with the Debian release it is built for.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(READ ${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
string(REGEX REPLACE "^dicemere \\(${PROJECT_VERSION}\\)" "dicemere (${DICEMERE_DEBIAN_VERSION})"
    changelog "${changelog}")
file(WRITE ${docs}/changelog "${changelog}")

# Compressed as Debian compresses them: gzip at its best, with no name or time inside, so the same
# text gives the same bytes.
find_program(DICEMERE_GZIP gzip REQUIRED)
foreach(text dicemere.6 changelog)
    execute_process(COMMAND ${DICEMERE_GZIP} -9n INPUT_FILE ${docs}/${text}
        OUTPUT_FILE ${docs}/${text}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${docs}/dicemere.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${docs}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicemere)
