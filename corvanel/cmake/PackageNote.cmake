# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# corvanel_add_package_note(<target> NAME <name> VERSION <version>
#                           [TYPE <type>] [PRODUCT <product name>])
#
# Links a package-metadata ELF note (".note.package", owner "FDO", type
# 0xcafe1a7e) into <target>. Its JSON carries the package fields "type"
# (default "deb"), "name" and "version", and a "versionInfo" tree that
# corvanel::VersionInfo (src/platform/VersionInfo.h) answers version queries
# from: one translation, language 0409 with code page 04e4, and the string
# table "040904e4" with FileVersion and ProductVersion set to <version> and
# ProductName set to <product name> (default <name>).
#
# The JSON goes to the linker as one -Xlinker argument; "-Wl," would split it
# at its commas. The generators do not quote backslashes, dollar signs or
# semicolons safely and newer linkers expand "%[...]", so the values are kept
# to a plain character set.
include_guard(GLOBAL)
include(CheckLinkerFlag)

function(_corvanel_package_note_value what value)
    if(NOT value MATCHES "^[-A-Za-z0-9 .,_+~:/()@!?=&']+$")
        message(FATAL_ERROR "corvanel_add_package_note: ${what} \"${value}\" must be non-empty "
                            "and use only letters, digits, spaces and -.,_+~:/()@!?=&'")
    endif()
endfunction()

function(corvanel_add_package_note target)
    cmake_parse_arguments(arg "" "NAME;VERSION;TYPE;PRODUCT" "" ${ARGN})
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "corvanel_add_package_note: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_TYPE)
        set(arg_TYPE deb)
    endif()
    if(NOT arg_PRODUCT)
        set(arg_PRODUCT "${arg_NAME}")
    endif()
    foreach(field IN ITEMS NAME VERSION TYPE PRODUCT)
        _corvanel_package_note_value(${field} "${arg_${field}}")
    endforeach()

    if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
        return()
    endif()
    check_linker_flag(CXX "LINKER:--package-metadata={}" CORVANEL_LINKER_HAS_PACKAGE_METADATA)
    if(NOT CORVANEL_LINKER_HAS_PACKAGE_METADATA)
        message(WARNING "The linker cannot write package notes; ${target} will carry no version")
        return()
    endif()

    string(CONCAT strings "\"FileVersion\":\"${arg_VERSION}\",\"ProductVersion\":\"${arg_VERSION}\","
                "\"ProductName\":\"${arg_PRODUCT}\"")
    string(CONCAT json
        "{\"type\":\"${arg_TYPE}\",\"name\":\"${arg_NAME}\",\"version\":\"${arg_VERSION}\","
        "\"versionInfo\":{\"VarFileInfo\":{\"Translation\":[\"0409\",\"04e4\"]},"
        "\"StringFileInfo\":{\"040904e4\":{${strings}}}}}")
    # SHELL: keeps the pair together (link options are otherwise de-duplicated)
    # and the single quotes keep the JSON one word; CMake re-quotes it for the
    # build tool.
    string(REPLACE "'" "'\\''" quoted "${json}")
    target_link_options(${target} PRIVATE "SHELL:-Xlinker '--package-metadata=${quoted}'")
endfunction()
