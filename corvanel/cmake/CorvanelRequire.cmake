# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# corvanel_require(<package> [COMPONENTS ...] OPTION <option> PACKAGES "<debian packages>")
#
# find_package() for a part that is switched on: a missing dependency stops the
# configuration with a message that names the Debian packages and the option
# that switches the part off, instead of leaving the part out in silence.
include_guard(GLOBAL)

function(corvanel_require package)
    cmake_parse_arguments(arg "" "OPTION;PACKAGES" "COMPONENTS" ${ARGN})
    if(arg_COMPONENTS)
        find_package(${package} COMPONENTS ${arg_COMPONENTS})
    else()
        find_package(${package})
    endif()
    set(missing "")
    if(NOT ${package}_FOUND)
        set(missing "${package}")
    endif()
    foreach(component IN LISTS arg_COMPONENTS)
        if(NOT TARGET ${package}::${component})
            list(APPEND missing "${package}::${component}")
        endif()
    endforeach()
    if(missing)
        list(REMOVE_DUPLICATES missing)
        message(FATAL_ERROR
            "${arg_OPTION} is ON but ${missing} was not found. Install the Debian packages "
            "${arg_PACKAGES} (scripts/deps does), or configure with -D${arg_OPTION}=OFF.")
    endif()
endfunction()
