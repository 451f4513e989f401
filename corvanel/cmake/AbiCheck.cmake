# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# The ABI check of libcorvanel against the committed baseline, and the writing
# of a new baseline. Only what the public headers declare counts: the types
# and functions of the internal headers may change freely.
#
# cmake -DMODE=check|update -DLIBRARY=<libcorvanel.so.N> -DBASELINE=<file.abi.tar.xz>
#       -DWORK_DIR=<dir in the build tree> -DHEADERS=<dir,dir> -DABIDW=<abidw>
#       -DABIDIFF=<abidiff> -P AbiCheck.cmake
#
# The baseline is abidw's XML packed with xz in a tar archive that holds it
# alone: a fifth of the size, and it keeps the names of Qt's and the standard
# library's types that the dump records out of the project's text files. CMake
# packs and unpacks it itself, in WORK_DIR, so no other tool is needed.
#
# check: abidiff of the baseline and LIBRARY; fails on any removed or changed
# function or variable (and on any error of abidiff), passes on none or on
# additions.
# update: writes BASELINE with abidw, but never over an existing one: a new
# baseline goes with a new SOVERSION, which names a new file.
foreach(var IN ITEMS MODE LIBRARY BASELINE WORK_DIR HEADERS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "AbiCheck.cmake needs -D${var}=...")
    endif()
endforeach()

string(REPLACE "," ";" HEADERS "${HEADERS}")
# The dump's name inside the archive: libcorvanel.so.N.abi.
get_filename_component(baseline_name "${BASELINE}" NAME)
string(REGEX REPLACE "\\.tar\\.xz$" "" dump_name "${baseline_name}")
set(dump_dir "${WORK_DIR}/abi-dump")
set(dump "${dump_dir}/${dump_name}")
file(REMOVE_RECURSE "${dump_dir}")
file(MAKE_DIRECTORY "${dump_dir}")

if(MODE STREQUAL "update")
    if(EXISTS "${BASELINE}")
        message(FATAL_ERROR "${BASELINE} exists already. The baseline of a SOVERSION is never "
            "rewritten: an incompatible change raises CORVANEL_SOVERSION, whose baseline is a "
            "new file (remove the old one together with that change).")
    endif()
    set(header_args "")
    foreach(dir IN LISTS HEADERS)
        list(APPEND header_args --headers-dir ${dir})
    endforeach()
    execute_process(COMMAND ${ABIDW} ${header_args} --drop-private-types --no-corpus-path
            --no-comp-dir-path --short-locs --out-file ${dump} ${LIBRARY}
        RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "abidw failed (${rc}) on ${LIBRARY}")
    endif()
    # A fixed time stamp, so that the same dump packs to the same bytes.
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar cJf ${BASELINE} --format=gnutar
            "--mtime=2026-01-01 00:00:00 UTC" ${dump_name}
        WORKING_DIRECTORY ${dump_dir} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        file(REMOVE "${BASELINE}")
        message(FATAL_ERROR "Could not pack ${dump} into ${BASELINE} (${rc})")
    endif()
    message(STATUS "Wrote the ABI baseline ${BASELINE}")
    return()
endif()

if(NOT EXISTS "${BASELINE}")
    message(FATAL_ERROR "There is no ABI baseline ${BASELINE} for this SOVERSION; make it with "
        "the target update_abi_baseline from a RelWithDebInfo build.")
endif()
file(ARCHIVE_EXTRACT INPUT "${BASELINE}" DESTINATION "${dump_dir}")
if(NOT EXISTS "${dump}")
    message(FATAL_ERROR "${BASELINE} does not hold ${dump_name}.")
endif()
set(diff_header_args "")
foreach(dir IN LISTS HEADERS)
    list(APPEND diff_header_args --headers-dir2 ${dir})
endforeach()
execute_process(COMMAND ${ABIDIFF} ${diff_header_args} --drop-private-types
        --fail-no-debug-info ${dump} ${LIBRARY}
    RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
# abidiff's exit status is a set of bits: 1 an error, 2 a usage error, 4 an ABI
# change, 8 an incompatible ABI change. Bit 8 stands for removed symbols only:
# a class that grew or a changed parameter or return type is a change (4)
# that abidiff leaves to be judged. Here only additions pass: the report's
# summaries must count no removed and no changed function or variable
# (harmless changes, such as a new enumerator, abidiff filters out itself).
if(NOT rc MATCHES "^[0-9]+$")
    message(FATAL_ERROR "abidiff did not run: ${rc}")
endif()
math(EXPR errors "${rc} & 3")
if(errors)
    message(FATAL_ERROR "abidiff failed (${rc})")
endif()
math(EXPR incompatible "${rc} & 8")
math(EXPR changed "${rc} & 4")
if(changed AND NOT incompatible)
    set(summaries 0)
    string(REGEX MATCHALL "(Functions|Variables) changes summary: [0-9]+ Removed[^,]*, [0-9]+ Changed"
        counts "${report}")
    foreach(summary IN LISTS counts)
        math(EXPR summaries "${summaries} + 1")
        string(REGEX MATCHALL "[0-9]+ (Removed|Changed)" numbers "${summary}")
        foreach(number IN LISTS numbers)
            if(NOT number MATCHES "^0 ")
                set(incompatible 1)
            endif()
        endforeach()
    endforeach()
    string(REGEX MATCHALL "(Function|Variable) symbols changes summary: [0-9]+ Removed"
        removed_symbols "${report}")
    foreach(summary IN LISTS removed_symbols)
        if(NOT summary MATCHES ": 0 Removed$")
            set(incompatible 1)
        endif()
    endforeach()
    # A report this script cannot read proves nothing compatible.
    if(summaries EQUAL 0)
        set(incompatible 1)
    endif()
endif()
if(incompatible)
    message(FATAL_ERROR "The library's ABI changed incompatibly against ${BASELINE} (see "
        "above). Undo the change, or raise CORVANEL_SOVERSION and make the new baseline.")
endif()
message(STATUS "ABI compatible with ${BASELINE} (abidiff status ${rc})")
