# SPDX-License-Identifier: GPL-3.0-or-later
# Runs gearcalc and checks what it does. CTest calls it as
#   cmake -DPROGRAM=… -DARGS=a|b -DEXIT=… [-DEXPECTED=file] [-DOUTPUT=regex]
#         [-DERRORS=regex] [-DWRITTEN=file -DWRITTEN_TEXT=regex] -P gearcalc_test.cmake
# EXPECTED must equal the whole of stdout; OUTPUT and ERRORS must be found in
# stdout and stderr; WRITTEN is a file the run must leave, holding WRITTEN_TEXT.
string(REPLACE "|" ";" args "${ARGS}")
if(DEFINED WRITTEN)
    get_filename_component(folder "${WRITTEN}" DIRECTORY)
    file(REMOVE_RECURSE "${folder}")
endif()
execute_process(COMMAND "${PROGRAM}" ${args}
                RESULT_VARIABLE exit OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT exit STREQUAL EXIT)
    message(FATAL_ERROR "'${args}' exited with ${exit}, not ${EXIT}\nstdout: ${output}\nstderr: ${errors}")
endif()
if(DEFINED EXPECTED)
    file(READ "${EXPECTED}" expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "'${args}' printed\n${output}\ninstead of\n${expected}")
    endif()
endif()
if(DEFINED OUTPUT AND NOT output MATCHES "${OUTPUT}")
    message(FATAL_ERROR "'${args}' printed\n${output}\nwhich does not hold\n${OUTPUT}")
endif()
if(DEFINED ERRORS AND NOT errors MATCHES "${ERRORS}")
    message(FATAL_ERROR "'${args}' said\n${errors}\nwhich does not hold\n${ERRORS}")
endif()
if(DEFINED WRITTEN)
    if(NOT EXISTS "${WRITTEN}")
        message(FATAL_ERROR "'${args}' did not write ${WRITTEN}")
    endif()
    file(READ "${WRITTEN}" written)
    if(NOT written MATCHES "${WRITTEN_TEXT}")
        message(FATAL_ERROR "${WRITTEN} holds\n${written}\nwhich does not hold\n${WRITTEN_TEXT}")
    endif()
endif()
