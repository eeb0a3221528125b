# Sets up the tests' Wine prefix: the registry file REGISTRY, then the Windows version that
# $DICEMERE_WINDOWS_VERSION names (win10 when unset), run by WINE.
set(version "$ENV{DICEMERE_WINDOWS_VERSION}")
if(NOT version)
    set(version win10)
endif()
execute_process(COMMAND ${WINE} regedit /S ${REGISTRY} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINE} winecfg -v ${version} COMMAND_ERROR_IS_FATAL ANY)
