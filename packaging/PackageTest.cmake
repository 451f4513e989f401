# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Makes the Debian packages of BUILD_DIR and runs lintian (with infos and
# pedantic tags) on each: an error or a warning fails the test, the rest is
# printed. Then checks that each package holds the files it promises, carries
# the Multi-Arch field Debian gives its kind and no maintainer script (the
# runtime's ldconfig runs by its trigger), and that every library its files
# need comes with it or with a package it depends on.
# cmake -DBUILD_DIR=… -DPACKAGES=name;… -DSOVERSION=n -DLIBDIR=… -P PackageTest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

set(dir "${BUILD_DIR}/packages")
file(REMOVE_RECURSE "${dir}")
foreach(set IN ITEMS corvanel ombrel)
    run(cpack-${set} cpack --config "${BUILD_DIR}/CPackConfig-${set}.cmake")
endforeach()

set(promised_libcorvanel${SOVERSION} "usr/${LIBDIR}/libcorvanel\\.so\\.${SOVERSION}")
set(promised_libcorvanel-dev "include/corvanel/Jstore\\.h" "usr/${LIBDIR}/pkgconfig/corvanel\\.pc"
    "usr/${LIBDIR}/cmake/Corvanel/CorvanelConfig\\.cmake")
set(promised_corvanel-tools "bin/corvanel-reg")
set(promised_corvanel-designer-plugin "usr/${LIBDIR}/qt6/plugins/designer/libcorvanel_designer\\.so")
set(promised_libcorvanel-doc "usr/share/doc/libcorvanel-doc/html/classcorvanel_1_1TFancyButton\\.html"
    "usr/share/qt6/doc/corvanel\\.qch" "usr/share/doc-base/libcorvanel-doc\\.")
set(promised_ombrel "usr/games/ombrel\n")
set(multiarch_libcorvanel${SOVERSION} same)
set(multiarch_libcorvanel-dev same)
set(multiarch_corvanel-tools foreign)
set(multiarch_corvanel-designer-plugin same)
set(multiarch_libcorvanel-doc foreign)
set(multiarch_ombrel no) # (no field: dpkg-deb reports "no")

find_program(LINTIAN lintian REQUIRED)
foreach(package IN LISTS PACKAGES)
    file(GLOB deb "${dir}/${package}_*.deb")
    if(NOT deb)
        message(FATAL_ERROR "no package ${package} was made")
    endif()
    execute_process(COMMAND ${LINTIAN} -I --pedantic --tag-display-limit 0 "${deb}"
        OUTPUT_VARIABLE report ERROR_VARIABLE ignored)
    message(STATUS "lintian ${package}:\n${report}")
    if(report MATCHES "(^|\n)[EW]: ")
        message(FATAL_ERROR "lintian reports errors or warnings for ${package}")
    endif()
    run(fields dpkg-deb -f "${deb}" Multi-Arch)
    string(STRIP "${output}" multiarch)
    if(NOT multiarch STREQUAL "${multiarch_${package}}")
        message(FATAL_ERROR "${package} is Multi-Arch: '${multiarch}', not '${multiarch_${package}}'")
    endif()
    run(control dpkg-deb -I "${deb}")
    if(output MATCHES "(postinst|postrm|preinst|prerm)")
        message(FATAL_ERROR "${package} brings a maintainer script:\n${output}")
    endif()
    run(contents dpkg-deb --contents "${deb}")
    foreach(promised IN LISTS promised_${package})
        if(NOT output MATCHES "${promised}")
            message(FATAL_ERROR "${package} lacks ${promised}:\n${output}")
        endif()
    endforeach()
    list(APPEND debs "${deb}")
endforeach()

run(libraries "${CMAKE_CURRENT_LIST_DIR}/check-package-libraries" ${debs})
message(STATUS "${output}")
