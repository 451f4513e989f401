# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Installs each install component of BUILD_DIR into a prefix of its own and
# checks that it holds its files and none of another's; then installs the whole
# tree (stripped, as the packages are), validates the desktop files, starts the
# installed game (offscreen) and makes sure it finds its manual and version and
# that no binary names a path of the build machine.
# cmake -DBUILD_DIR=… -DSOURCE_DIR=… -DWORK_DIR=… -DVERSION=… -DLIBDIR=… -DPLUGIN_DIR=…
#       -DSOVERSION=… -DCOMPONENTS=… [-DSANITIZE=ON] -P InstallTest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

set(app example.corvanel.Ombrel)
set(files_corvanel_runtime ${LIBDIR}/libcorvanel.so.${SOVERSION}
    share/doc/libcorvanel${SOVERSION}/copyright share/corvanel/translations/corvanel_de.qm
    share/corvanel/translations/corvanel_fr.qm)
set(files_corvanel_dev include/corvanel/Jstore.h include/corvanel/corvanel_export.h
    ${LIBDIR}/libcorvanel.so ${LIBDIR}/cmake/Corvanel/CorvanelConfig.cmake
    ${LIBDIR}/cmake/Corvanel/CorvanelConfigVersion.cmake
    ${LIBDIR}/cmake/Corvanel/CorvanelTargets.cmake ${LIBDIR}/cmake/Corvanel/PackageNote.cmake
    ${LIBDIR}/pkgconfig/corvanel.pc share/doc/libcorvanel-dev/copyright)
set(files_corvanel_doc share/doc/libcorvanel-doc/html/index.html share/qt6/doc/corvanel.qch
    share/doc-base/libcorvanel-doc.corvanel share/doc/libcorvanel-doc/copyright)
set(files_corvanel_tools bin/corvanel-reg share/man/man1/corvanel-reg.1.gz
    share/doc/corvanel-tools/copyright)
set(files_corvanel_designer ${PLUGIN_DIR}/libcorvanel_designer.so
    share/doc/corvanel-designer-plugin/copyright)
set(files_ombrel bin/ombrel bin/ombrel-engine share/ombrel/help/ombrel.html
    share/applications/${app}.desktop share/metainfo/${app}.metainfo.xml
    share/mime/packages/${app}.xml
    share/icons/hicolor/scalable/apps/ombrel.svg share/doc/ombrel/copyright
    share/man/man6/ombrel.6.gz share/man/man6/ombrel-engine.6.gz)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND files_ombrel share/icons/hicolor/${size}x${size}/apps/ombrel.png)
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
foreach(component IN LISTS COMPONENTS)
    set(prefix "${WORK_DIR}/${component}")
    run(install-${component} "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
        --component ${component})
    foreach(file IN LISTS files_${component})
        # (the development symlink dangles until the runtime is installed too)
        if(NOT EXISTS "${prefix}/${file}" AND NOT IS_SYMLINK "${prefix}/${file}")
            message(FATAL_ERROR "the ${component} component lacks ${file}")
        endif()
    endforeach()
    foreach(other IN LISTS COMPONENTS)
        if(NOT other STREQUAL component)
            foreach(file IN LISTS files_${other})
                if(EXISTS "${prefix}/${file}" OR IS_SYMLINK "${prefix}/${file}")
                    message(FATAL_ERROR "the ${component} component holds ${other}'s ${file}")
                endif()
            endforeach()
        endif()
    endforeach()
endforeach()

set(prefix "${WORK_DIR}/all")
run(install "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --strip)

find_program(APPSTREAMCLI appstreamcli REQUIRED)
run(metainfo "${APPSTREAMCLI}" validate --no-net "${prefix}/share/metainfo/${app}.metainfo.xml")
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
run(desktop-entry "${DESKTOP_FILE_VALIDATE}" "${prefix}/share/applications/${app}.desktop")
# The MIME database built from the installed package knows the game files
# (update-mime-database warns on stderr about faults it skips).
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${prefix}/share/mime"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning|[Uu]nknown"
   OR NOT EXISTS "${prefix}/share/mime/application/x-ombrel-game.xml")
    message(FATAL_ERROR "the MIME type of game files does not install (${rc}):\n${out}\n${err}")
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

# A binary that names the source or build folder would behave differently once
# installed elsewhere (and leaks the build machine's paths). Sanitizer builds
# keep source paths on purpose, for their reports, and are never shipped.
if(SANITIZE)
    return()
endif()
file(GLOB_RECURSE binaries "${prefix}/bin/*" "${prefix}/${LIBDIR}/*.so*")
foreach(binary IN LISTS binaries)
    file(STRINGS "${binary}" hits REGEX "${SOURCE_DIR}|${BUILD_DIR}")
    if(NOT hits) # Qt keeps string literals in UTF-16
        file(STRINGS "${binary}" hits REGEX "${SOURCE_DIR}|${BUILD_DIR}" ENCODING UTF-16LE)
    endif()
    if(hits)
        list(GET hits 0 hit)
        message(FATAL_ERROR "${binary} names a build path: ${hit}")
    endif()
endforeach()
