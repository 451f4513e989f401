# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# The ABI check of libcorvanel against the committed baseline, and the writing
# of a new baseline. Only what the public headers declare counts: the types
# and functions of the internal headers may change freely.
#
# cmake -DMODE=check|update -DLIBRARY=<libcorvanel.so.N> -DBASELINE=<file.abi>
#       -DHEADERS=<dir,dir> -DSUPPRESSIONS=<file> -DABIDW=<abidw> -DABIDIFF=<abidiff>
#       -P AbiCheck.cmake
# SUPPRESSIONS names the exported symbols that are no API all the same.
#
# check: abidiff of the baseline and LIBRARY; fails on an incompatible change
# (and on any error of abidiff), passes on none or on additions.
# update: writes BASELINE with abidw, but never over an existing one: a new
# baseline goes with a new SOVERSION, which names a new file.
foreach(var IN ITEMS MODE LIBRARY BASELINE HEADERS SUPPRESSIONS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "AbiCheck.cmake needs -D${var}=...")
    endif()
endforeach()

string(REPLACE "," ";" HEADERS "${HEADERS}")
set(header_args "")
foreach(dir IN LISTS HEADERS)
    list(APPEND header_args --headers-dir ${dir})
endforeach()

if(MODE STREQUAL "update")
    if(EXISTS "${BASELINE}")
        message(FATAL_ERROR "${BASELINE} exists already. The baseline of a SOVERSION is never "
            "rewritten: an incompatible change raises CORVANEL_SOVERSION, whose baseline is a "
            "new file (remove the old one together with that change).")
    endif()
    execute_process(COMMAND ${ABIDW} ${header_args} --drop-private-types --no-corpus-path
            --no-comp-dir-path --short-locs --out-file ${BASELINE} ${LIBRARY}
        RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        file(REMOVE "${BASELINE}")
        message(FATAL_ERROR "abidw failed (${rc}) on ${LIBRARY}")
    endif()
    message(STATUS "Wrote the ABI baseline ${BASELINE}")
    return()
endif()

if(NOT EXISTS "${BASELINE}")
    message(FATAL_ERROR "There is no ABI baseline ${BASELINE} for this SOVERSION; make it with "
        "the target update_abi_baseline from a RelWithDebInfo build.")
endif()
set(diff_header_args "")
foreach(dir IN LISTS HEADERS)
    list(APPEND diff_header_args --headers-dir2 ${dir})
endforeach()
execute_process(COMMAND ${ABIDIFF} ${diff_header_args} --drop-private-types
        --suppressions ${SUPPRESSIONS} --fail-no-debug-info ${BASELINE} ${LIBRARY}
    RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
# abidiff's exit status is a set of bits: 1 an error, 2 a usage error, 4 an ABI
# change, 8 an incompatible ABI change. A change alone (4) is an addition.
if(NOT rc MATCHES "^[0-9]+$")
    message(FATAL_ERROR "abidiff did not run: ${rc}")
endif()
math(EXPR failing "${rc} & 11")
if(failing)
    math(EXPR incompatible "${rc} & 8")
    if(incompatible)
        message(FATAL_ERROR "The library's ABI changed incompatibly against ${BASELINE} (see "
            "above). Undo the change, or raise CORVANEL_SOVERSION and make the new baseline.")
    endif()
    message(FATAL_ERROR "abidiff failed (${rc})")
endif()
message(STATUS "ABI compatible with ${BASELINE} (abidiff status ${rc})")
