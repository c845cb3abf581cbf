# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks how the game's sources include each other, so the layering holds by the build rather
# than by habit:
#  - the state and the rules (src/state, src/rules) include only each other;
#  - the ui runtime (src/ui) includes only the state, the rules and itself;
#  - no window includes the main window (it is the hub: it opens the places, nothing opens it);
#  - no two windows include each other, directly or around a circle: a hand-back to an earlier
#    window goes through the window catalog.
# Run as: cmake -DSOURCES=<src folder> -P layers.cmake

cmake_minimum_required(VERSION 3.21)

set(window_folders core career purchases internet leisure)
set(problems "")

file(GLOB_RECURSE files RELATIVE ${SOURCES} ${SOURCES}/*.h ${SOURCES}/*.cpp)
set(nodes "")
foreach(file ${files})
    string(REGEX MATCH "^[^/]+" folder ${file})
    get_filename_component(stem ${file} NAME_WE)
    file(STRINGS ${SOURCES}/${file} lines REGEX "^#include \"")
    foreach(line ${lines})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included ${line})
        string(REGEX MATCH "^[^/]+" target ${included})
        get_filename_component(target_stem ${included} NAME_WE)
        if(folder STREQUAL "state" OR folder STREQUAL "rules")
            if(NOT target STREQUAL "state" AND NOT target STREQUAL "rules")
                list(APPEND problems "${file} (state and rules) includes ${included}")
            endif()
        elseif(folder STREQUAL "ui")
            if(NOT target MATCHES "^(state|rules|ui)$")
                list(APPEND problems "${file} (ui runtime) includes ${included}")
            endif()
        elseif(folder IN_LIST window_folders)
            if(included STREQUAL "core/frmMain.h" AND NOT stem STREQUAL "frmMain")
                list(APPEND problems "${file} includes the main window")
            endif()
            if(target IN_LIST window_folders AND NOT target_stem STREQUAL stem)
                list(APPEND edges_${stem} ${target_stem})
                list(APPEND nodes ${stem})
            endif()
        endif()
    endforeach()
endforeach()

# A window that reaches itself through the windows it includes is on a circle.
list(REMOVE_DUPLICATES nodes)
foreach(start ${nodes})
    set(seen "")
    set(todo ${edges_${start}})
    while(todo)
        list(POP_FRONT todo next)
        if(next STREQUAL start)
            list(APPEND problems "${start} includes itself around a circle of windows")
            break()
        endif()
        if(NOT next IN_LIST seen)
            list(APPEND seen ${next})
            list(APPEND todo ${edges_${next}})
        endif()
    endwhile()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes break the layering:\n  ${text}")
endif()
message(STATUS "Includes keep the layering (${CMAKE_CURRENT_LIST_FILE})")
