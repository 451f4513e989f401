# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Makes the Debian packages of BUILD_DIR and runs lintian on each: an error
# fails the test, warnings are printed. Then checks that each package holds
# the files it promises.
# cmake -DBUILD_DIR=… -DPACKAGES=name;… -P PackageTest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

set(dir "${BUILD_DIR}/packages")
file(REMOVE_RECURSE "${dir}")
foreach(set IN ITEMS corvanel ombrel)
    run(cpack-${set} cpack --config "${BUILD_DIR}/CPackConfig-${set}.cmake")
endforeach()

set(promised_libcorvanel3 "libcorvanel\\.so\\.3")
set(promised_libcorvanel-dev "include/corvanel/Jstore\\.h")
set(promised_corvanel-tools "bin/corvanel-reg")
set(promised_corvanel-designer-plugin "designer/libcorvanel_designer\\.so")
set(promised_ombrel "usr/games/ombrel\n")

find_program(LINTIAN lintian REQUIRED)
foreach(package IN LISTS PACKAGES)
    file(GLOB deb "${dir}/${package}_*.deb")
    if(NOT deb)
        message(FATAL_ERROR "no package ${package} was made")
    endif()
    execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 "${deb}"
        OUTPUT_VARIABLE report ERROR_VARIABLE ignored)
    message(STATUS "lintian ${package}:\n${report}")
    if(report MATCHES "(^|\n)E: ")
        message(FATAL_ERROR "lintian reports errors for ${package}")
    endif()
    run(contents dpkg-deb --contents "${deb}")
    if(NOT output MATCHES "${promised_${package}}")
        message(FATAL_ERROR "${package} lacks ${promised_${package}}:\n${output}")
    endif()
endforeach()
