# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program with the given arguments and checks its exit code and what
# it prints. CTest calls it as
#   cmake -DPROGRAM=… -DARGS=a|b -DEXIT=… -DOUTPUT=regex -P command_line_test.cmake
# OUTPUT must match the whole of stdout, its trailing newline left off.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${args}
                RESULT_VARIABLE exit OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT exit STREQUAL EXIT)
    message(FATAL_ERROR "'${args}' exited with ${exit}, not ${EXIT}\nstdout: ${output}\nstderr: ${errors}")
endif()
string(REGEX REPLACE "\n$" "" output "${output}")
if(NOT output MATCHES "^${OUTPUT}$")
    message(FATAL_ERROR "'${args}' printed\n${output}\nwhich does not match\n${OUTPUT}")
endif()
