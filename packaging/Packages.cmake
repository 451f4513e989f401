# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Debian packages, made in the build folder by
#   cpack --config CPackConfig-corvanel.cmake   # libcorvanel3, libcorvanel-dev,
#                                               # corvanel-tools, corvanel-designer-plugin
#   cpack --config CPackConfig-ombrel.cmake     # ombrel
# The library and the game carry versions of their own, so each set has a
# CPack configuration of its own.
set(maintainer "Corvanel <ombrel@corvanel.example>")
set(doc_dir share/doc)
set(changelog_date "Wed, 09 Dec 2026 12:00:00 +0000")

include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

# /usr/share/doc/<package>/: the copyright file and a compressed changelog made
# from the project's CHANGELOG.md, as every Debian package carries them. The
# changelog's entries name the project (Debian's source package) whose
# packages they are.
function(ombrel_package_docs component package version markdown)
    set(dir ${CMAKE_BINARY_DIR}/package-docs/${package})
    get_filename_component(project_dir ${markdown} DIRECTORY)
    get_filename_component(source ${project_dir} NAME)
    ombrel_debian_changelog(${markdown} ${source} ${version} "${maintainer}" "${changelog_date}"
        ${dir}/changelog)
    add_custom_command(OUTPUT ${dir}/changelog.gz
        COMMAND gzip -9nf -k ${dir}/changelog
        DEPENDS ${dir}/changelog VERBATIM)
    add_custom_target(package_docs_${package} ALL DEPENDS ${dir}/changelog.gz)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian-copyright RENAME copyright
        DESTINATION ${doc_dir}/${package} COMPONENT ${component})
    install(FILES ${dir}/changelog.gz DESTINATION ${doc_dir}/${package} COMPONENT ${component})
endfunction()

# One CPack configuration: the packages of `components`, all at `version`.
function(ombrel_package_set name version components)
    set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig-${name}.cmake)
    set(CPACK_SOURCE_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackSourceConfig-${name}.cmake)
    set(CPACK_PACKAGE_NAME ${name})
    set(CPACK_PACKAGE_VERSION ${version})
    set(CPACK_PACKAGE_VENDOR "Corvanel")
    set(CPACK_PACKAGE_CONTACT "${maintainer}")
    set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL ${components})
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvanel.example/")
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
    # Programs built against one release run with every later one of the
    # same SOVERSION (the ABI promise), so the shlibs ask for ">=".
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
    # dpkg-shlibdeps finds the library of this build here, but a library
    # outside any installed package gives no dependency: the packages that
    # link it name the runtime package themselves (`needs_runtime` below).
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/corvanel/src)
    # Multi-Arch fields and Debian's one ldconfig mechanism (DebianFields.cmake).
    set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/DebianFields.cmake)
    foreach(component IN LISTS components)
        if(DEFINED package_${component}_MULTIARCH)
            set(CPACK_OMBREL_MULTIARCH_${package_${component}_NAME} ${package_${component}_MULTIARCH})
        endif()
    endforeach()
    foreach(var IN ITEMS NAME SECTION DEPENDS DESCRIPTION CONTROL_EXTRA SHLIBDEPS ARCHITECTURE)
        foreach(component IN LISTS components)
            string(TOUPPER ${component} upper)
            if(DEFINED package_${component}_${var})
                set(CPACK_DEBIAN_${upper}_PACKAGE_${var} "${package_${component}_${var}}")
                if(var STREQUAL "DESCRIPTION")
                    set(CPACK_DEBIAN_${upper}_DESCRIPTION "${package_${component}_${var}}")
                endif()
            endif()
        endforeach()
    endforeach()
    include(CPack)
endfunction()

# Every package carries the library or a program linked with it, so a build
# without the Qt part (the rules, the search and ombrel-engine alone) makes none.
if(NOT OMBREL_WITH_QT)
    return()
endif()

include(GNUInstallDirs)
get_directory_property(lib_version DIRECTORY corvanel DEFINITION Corvanel_VERSION)
get_directory_property(lib_soversion DIRECTORY corvanel DEFINITION CORVANEL_SOVERSION)
get_directory_property(game_version DIRECTORY ombrel DEFINITION Ombrel_VERSION)
set(runtime libcorvanel${lib_soversion})
# What every package whose programs or plugins link the library depends on.
set(needs_runtime "${runtime} (>= ${lib_version})")

if(OMBREL_WITH_QT)
    set(package_corvanel_runtime_NAME ${runtime})
    set(package_corvanel_runtime_SECTION libs)
    set(package_corvanel_runtime_DESCRIPTION "reusable Qt 6 components and controls\n"
        "Corvanel is a Qt 6 Widgets library: registry storage, a most-recently-used\n"
        "list that drives a menu, a combo box that remembers its entries, undo\n"
        "buffers, a debug log, and the controls fancy button, animated label,\n"
        "number edit, unit edit, version label and hyperlink label.\n"
        ".\n"
        "This package holds the shared library.")
    string(JOIN "" package_corvanel_runtime_DESCRIPTION ${package_corvanel_runtime_DESCRIPTION})
    set(triggers ${CMAKE_BINARY_DIR}/package-docs/triggers)
    file(WRITE ${triggers} "activate-noawait ldconfig\n")
    set(package_corvanel_runtime_CONTROL_EXTRA ${triggers})
    # A library and its development files install side by side for several
    # architectures; the tools and the manual serve every architecture.
    set(package_corvanel_runtime_MULTIARCH same)

    set(package_corvanel_dev_NAME libcorvanel-dev)
    set(package_corvanel_dev_SECTION libdevel)
    set(package_corvanel_dev_SHLIBDEPS OFF)
    set(package_corvanel_dev_DEPENDS "${runtime} (= ${lib_version}), qt6-base-dev")
    set(package_corvanel_dev_DESCRIPTION
        "reusable Qt 6 components and controls - development files\n"
        "Corvanel is a Qt 6 Widgets library of storage, MRU, undo, debug log and\n"
        "visual controls.\n"
        ".\n"
        "This package holds the headers (<corvanel/Name.h>), the CMake package\n"
        "(find_package(Corvanel)) and its corvanel_add_package_note() helper.")
    string(JOIN "" package_corvanel_dev_DESCRIPTION ${package_corvanel_dev_DESCRIPTION})
    set(package_corvanel_dev_MULTIARCH same)

    set(package_corvanel_tools_NAME corvanel-tools)
    set(package_corvanel_tools_SECTION utils)
    set(package_corvanel_tools_DEPENDS "${needs_runtime}")
    set(package_corvanel_tools_DESCRIPTION
        "command-line tool for the Corvanel registry store\n"
        "corvanel-reg queries, adds, deletes, exports and imports the values that\n"
        "programs built with the Corvanel library keep, such as their debug switch.")
    string(JOIN "" package_corvanel_tools_DESCRIPTION ${package_corvanel_tools_DESCRIPTION})
    set(package_corvanel_tools_MULTIARCH foreign)

    set(package_corvanel_designer_NAME corvanel-designer-plugin)
    set(package_corvanel_designer_SECTION devel)
    set(package_corvanel_designer_DEPENDS "${needs_runtime}")
    set(package_corvanel_designer_DESCRIPTION
        "Qt Designer plugin for the Corvanel controls\n"
        "Offers the Corvanel controls and the MRU combo box in Qt Designer's widget\n"
        "box, and keeps the forms Designer writes to their declared defaults.")
    string(JOIN "" package_corvanel_designer_DESCRIPTION ${package_corvanel_designer_DESCRIPTION})
    # Designer loads plugins of its own architecture only.
    set(package_corvanel_designer_MULTIARCH same)

    set(package_corvanel_doc_NAME libcorvanel-doc)
    set(package_corvanel_doc_SECTION doc)
    set(package_corvanel_doc_ARCHITECTURE all)
    set(package_corvanel_doc_MULTIARCH foreign)
    set(package_corvanel_doc_SHLIBDEPS OFF)
    set(package_corvanel_doc_DESCRIPTION
        "reusable Qt 6 components and controls - reference manual\n"
        "Corvanel is a Qt 6 Widgets library of storage, MRU, undo, debug log and\n"
        "visual controls.\n"
        ".\n"
        "This package holds the reference manual of the library's classes, as HTML\n"
        "and as a Qt help file (corvanel.qch) that Qt Assistant and Qt Creator open.")
    string(JOIN "" package_corvanel_doc_DESCRIPTION ${package_corvanel_doc_DESCRIPTION})

    set(corvanel_components corvanel_runtime corvanel_dev)
    if(CORVANEL_TOOLS)
        list(APPEND corvanel_components corvanel_tools)
    endif()
    if(CORVANEL_DESIGNER)
        list(APPEND corvanel_components corvanel_designer)
    endif()
    if(CORVANEL_DOCS)
        list(APPEND corvanel_components corvanel_doc)
    endif()
    foreach(component IN LISTS corvanel_components)
        ombrel_package_docs(${component} ${package_${component}_NAME} ${lib_version}
            ${CMAKE_SOURCE_DIR}/corvanel/CHANGELOG.md)
    endforeach()
    ombrel_package_set(corvanel ${lib_version} "${corvanel_components}")

    set(package_ombrel_NAME ombrel)
    set(package_ombrel_SECTION games)
    set(package_ombrel_DEPENDS "${needs_runtime}")
    set(package_ombrel_DESCRIPTION
        "board game of the mancala family\n"
        "Ombrel is a sowing game for two players: sow the seeds of your houses\n"
        "round the board and capture every house that reaches four. Play against\n"
        "a friend or the computer at five levels.")
    string(JOIN "" package_ombrel_DESCRIPTION ${package_ombrel_DESCRIPTION})
    ombrel_package_docs(ombrel ombrel ${game_version} ${CMAKE_SOURCE_DIR}/ombrel/CHANGELOG.md)
    ombrel_package_set(ombrel ${game_version} ombrel)
endif()

# The install components hold what their packages promise.
if(OMBREL_WITH_QT AND OMBREL_BUILD_TESTS)
    get_directory_property(plugin_dir DIRECTORY corvanel DEFINITION CORVANEL_DESIGNER_PLUGIN_DIR)
    if(NOT plugin_dir)
        get_property(plugin_dir CACHE CORVANEL_DESIGNER_PLUGIN_DIR PROPERTY VALUE)
    endif()
    add_test(NAME ombrel_install
        COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/install-test
            -DVERSION=${game_version}
            -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
            -DSOVERSION=${lib_soversion}
            -DPLUGIN_DIR=${plugin_dir}
            "-DCOMPONENTS=${corvanel_components};ombrel"
            -DSANITIZE=${OMBREL_SANITIZE}
            -P ${CMAKE_CURRENT_LIST_DIR}/InstallTest.cmake)
    set_tests_properties(ombrel_install PROPERTIES TIMEOUT 300 LABELS "packaging")
endif()

# The packages themselves, with lintian (not for sanitizer builds, whose
# binaries no one would ship).
if(OMBREL_WITH_QT AND OMBREL_BUILD_TESTS AND NOT OMBREL_SANITIZE)
    set(packages "")
    foreach(component IN LISTS corvanel_components)
        list(APPEND packages ${package_${component}_NAME})
    endforeach()
    add_test(NAME ombrel_packages
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} "-DPACKAGES=${packages};ombrel"
            -DSOVERSION=${lib_soversion} -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/PackageTest.cmake)
    set_tests_properties(ombrel_packages PROPERTIES TIMEOUT 600 LABELS "packaging")
endif()
