# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# ombrel_debian_changelog(<CHANGELOG.md> <source> <version> <maintainer> <date> <out>)
#
# Writes the Debian changelog of the packages of <source> (the project) at
# <version> from its CHANGELOG.md: one entry per `## <version> (<YYYY-MM-DD>)`
# section, from <version> down to the oldest, each `- ` item a `  * ` line and
# its indented lines the item's continuation. `## Unreleased` becomes the entry of
# <version>, dated <date>, when no section names <version>; otherwise it is
# left out. A <version> that is neither stops the configuration.
function(ombrel_debian_changelog markdown source version maintainer date out)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${markdown})
    file(READ ${markdown} text)
    string(REPLACE ";" "\\;" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(sections "")
    set(section "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^## ([^ ]+)( \\(([0-9]+-[0-9]+-[0-9]+)\\))?$")
            set(section "${CMAKE_MATCH_1}")
            list(APPEND sections "${section}")
            set(date_${section} "${CMAKE_MATCH_3}")
            set(items_${section} "")
        elseif(section AND line MATCHES "^- (.*)$")
            string(APPEND items_${section} "  * ${CMAKE_MATCH_1}\n")
        elseif(section AND line MATCHES "^  ([^ ].*)$")
            string(APPEND items_${section} "    ${CMAKE_MATCH_1}\n")
        elseif(section AND NOT line STREQUAL "")
            message(FATAL_ERROR "${markdown}: a line that is no item: ${line}")
        endif()
    endforeach()

    if(NOT version IN_LIST sections)
        if(NOT "Unreleased" IN_LIST sections)
            message(FATAL_ERROR "${markdown} has no section for ${version} and none Unreleased")
        endif()
        list(TRANSFORM sections REPLACE "^Unreleased$" "${version}")
        set(items_${version} "${items_Unreleased}")
    endif()
    list(REMOVE_ITEM sections Unreleased)

    set(changelog "")
    set(started OFF)
    foreach(section IN LISTS sections)
        if(section STREQUAL version)
            set(started ON)
        endif()
        if(NOT started)
            continue()
        endif()
        set(when "${date}")
        if(date_${section})
            execute_process(COMMAND date -u -R -d "${date_${section}} 12:00:00"
                OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        endif()
        string(APPEND changelog "${source} (${section}) unstable; urgency=medium\n\n"
            "${items_${section}}\n -- ${maintainer}  ${when}\n\n")
    endforeach()
    string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
    file(WRITE ${out} "${changelog}")
endfunction()
