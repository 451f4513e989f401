# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Installs BUILD_DIR into a fresh prefix, checks the desktop files, then starts
# the installed game (offscreen) and makes sure it finds its manual and version.
# cmake -DBUILD_DIR=… -DWORK_DIR=… -DVERSION=… -P InstallTest.cmake
function(run step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${step} failed (${rc}):\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
run(install "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

set(app example.corvanel.Ombrel)
set(expected bin/ombrel bin/ombrel-engine share/ombrel/help/ombrel.html
    share/applications/${app}.desktop share/metainfo/${app}.metainfo.xml
    share/icons/hicolor/scalable/apps/ombrel.svg)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/ombrel.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "the installation lacks ${file}")
    endif()
endforeach()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    run(metainfo "${APPSTREAMCLI}" validate --no-net "${prefix}/share/metainfo/${app}.metainfo.xml")
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    run(desktop-entry "${DESKTOP_FILE_VALIDATE}" "${prefix}/share/applications/${app}.desktop")
endif()

# The manual must be found next to the installed game, not in the build tree.
run(start "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
    "XDG_RUNTIME_DIR=${WORK_DIR}/runtime" "${prefix}/bin/ombrel" --check)
set(manual "${prefix}/share/ombrel/help/ombrel.html")
if(NOT output MATCHES "help: ([^\n]*)\n" OR NOT CMAKE_MATCH_1 STREQUAL manual)
    message(FATAL_ERROR "the installed game did not find ${manual}:\n${output}")
endif()
if(NOT output MATCHES "version: ${VERSION}\n")
    message(FATAL_ERROR "the installed game does not read its version ${VERSION}:\n${output}")
endif()
