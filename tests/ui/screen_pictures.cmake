# SPDX-License-Identifier: GPL-3.0-or-later
# The README's pictures of the screens are what the program shows: the
# screens tool plays its passes again into FOLDER and every picture it makes
# that the README holds must be the same bytes. A change of a screen is taken
# on purpose by copying the new pictures into docs/images. CTest calls it as
#   cmake -DSCREENS=… -DFOLDER=… -DPICTURES=docs/images -P screen_pictures.cmake
file(REMOVE_RECURSE "${FOLDER}")
execute_process(COMMAND "${SCREENS}" "${FOLDER}" RESULT_VARIABLE exit ERROR_VARIABLE errors)
if(NOT exit EQUAL 0)
    message(FATAL_ERROR "the screens tool exited with ${exit}: ${errors}")
endif()
file(GLOB shown RELATIVE "${FOLDER}" "${FOLDER}/*.png")
set(compared 0)
set(changed "")
foreach(picture IN LISTS shown)
    if(EXISTS "${PICTURES}/${picture}")
        math(EXPR compared "${compared} + 1")
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${FOLDER}/${picture}" "${PICTURES}/${picture}"
                        RESULT_VARIABLE different)
        if(different)
            list(APPEND changed "${picture}")
        endif()
    endif()
endforeach()
if(compared LESS 15)
    message(FATAL_ERROR "only ${compared} of the screens' pictures are in ${PICTURES}")
endif()
if(changed)
    message(FATAL_ERROR "these screens no longer look as their pictures in ${PICTURES}: ${changed} (made in ${FOLDER})")
endif()
message(STATUS "${compared} screens look as their pictures")
