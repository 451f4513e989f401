# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# run(<step> <command>...): runs a command of a packaging test, stops the test
# with the command's output when it fails, and leaves its standard output in
# `output` for the caller.
function(run step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${step} failed (${rc}):\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()
