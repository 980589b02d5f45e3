if(NEEDS AND NOT IS_DIRECTORY "${NEEDS}")
    message("SKIP: no real permanence files in ${NEEDS} (CMake setting LURNATIK_DATA_DIR)")
    return()
endif()
execute_process(
    COMMAND ${RUNNER} ${SCRIPT}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    string(APPEND actual "exit ${status}\n${errors}")
endif()
if(DEFINED ENV{UPDATE_EXPECTED})
    file(WRITE ${EXPECTED} "${actual}")
    return()
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${EXPECTED}.actual "${actual}")
    execute_process(COMMAND diff -u ${EXPECTED} ${EXPECTED}.actual)
    message(FATAL_ERROR "output differs from ${EXPECTED} (actual output in ${EXPECTED}.actual)")
endif()
