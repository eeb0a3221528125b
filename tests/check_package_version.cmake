# Packs the Debian package from the build folder BINARY_DIR into WORK, as a user would with
# cpack, and checks that its name, its control file and its changelog's latest entry carry
# VERSION.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BINARY_DIR}/CPackConfig.cmake -B ${WORK}
    OUTPUT_QUIET RESULT_VARIABLE status)
file(GLOB package ${WORK}/dicemere_${VERSION}_*.deb)
if(NOT status EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no dicemere_${VERSION}_*.deb in ${WORK}")
endif()
execute_process(COMMAND dpkg-deb --field ${package} Version
    OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "the package says version '${version}', the project ${VERSION}")
endif()
execute_process(COMMAND dpkg-deb --fsys-tarfile ${package}
    COMMAND tar -xO ./usr/share/doc/dicemere/changelog.gz COMMAND gzip -dc
    OUTPUT_VARIABLE changelog)
string(REGEX MATCH "^dicemere \\(([^)]*)\\)" entry "${changelog}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR
        "the changelog's latest entry is '${entry}', the project's version ${VERSION}")
endif()
