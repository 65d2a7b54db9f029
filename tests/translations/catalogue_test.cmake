# SPDX-License-Identifier: GPL-3.0-or-later
# The committed English catalogue is exactly what lupdate makes of the
# sources: no text of the program missing from it, none it holds that the
# program no longer says, and every one of them translated.
#   cmake -DLUPDATE=… -DSOURCE_DIR=… -DWORK_DIR=… -P catalogue_test.cmake
include(${SOURCE_DIR}/cmake/translations.cmake)
if(NOT EXISTS "${LUPDATE}")
    message("lupdate is not installed (Debian package qt6-l10n-tools): the catalogue is not checked.")
    return()
endif()

set(committed ${SOURCE_DIR}/${GEAR_TRANSLATION_CATALOGUE})
get_filename_component(name ${committed} NAME)
set(made ${WORK_DIR}/${name})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${committed} ${made})
execute_process(COMMAND ${LUPDATE} ${GEAR_LUPDATE_OPTIONS} ${GEAR_TRANSLATED_FOLDERS} -ts ${made}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${output}")
endif()

file(READ ${committed} before)
file(READ ${made} after)
set(faults "")
# lupdate adds a text the sources say and the catalogue lacks as
# unfinished, and drops one the sources no longer say.
if(NOT before STREQUAL after)
    string(APPEND faults "the catalogue is not what lupdate makes of the sources (${made}); "
                         "run the update_translations target and translate what it adds.\n")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|obsolete|vanished)\"" open
       "${after}")
foreach(entry IN LISTS open)
    string(APPEND faults "  ${entry}\n")
endforeach()
if(faults)
    message(FATAL_ERROR "${faults}")
endif()
