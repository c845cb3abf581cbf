# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The committed translation is whole and up to date: lupdate, run over the sources into a copy
# of it, finds no text without its translation and none that the code no longer has, and
# lrelease reports every message finished.
# Usage: cmake -DLUPDATE=... -DLRELEASE=... -DSOURCES=src -DTS=x.ts -DWORK=dir -P stale.cmake

get_filename_component(name ${TS} NAME)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${TS} DESTINATION ${WORK})
set(copy ${WORK}/${name})
execute_process(COMMAND ${LUPDATE} -locations none -source-language ru_RU ${SOURCES} -ts ${copy}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()

file(READ ${copy} ts)
set(problems "")
foreach(kind unfinished vanished obsolete)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"${kind}\"" found "${ts}")
    foreach(message ${found})
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${message}")
        string(APPEND problems "  ${kind}: ${source}\n")
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${TS} is not up to date with the sources (cmake --build <build> --target "
                        "update_translations, then translate):\n${problems}")
endif()

execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/check.qm
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR NOT out MATCHES "and 0 unfinished" OR out MATCHES "Ignored")
    message(FATAL_ERROR "lrelease does not report every message finished:\n${out}")
endif()
message(STATUS "${name}: every text translated\n${out}")
