# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Installs the corvanel component of BUILD_DIR into a fresh prefix, then
# configures, builds and runs the consumer project against that prefix.
# cmake -DBUILD_DIR=… -DSOURCE_DIR=… -DWORK_DIR=… -DGENERATOR=… -DCXX_COMPILER=…
#       [-DSANITIZE=ON] -P ConsumerTest.cmake
function(run step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${step} failed (${rc})")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
run(install "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --component corvanel_runtime)
run(install-dev "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --component corvanel_dev)
run(install-tools "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --component corvanel_tools)

set(flags "")
if(SANITIZE)
    list(APPEND flags "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined"
                      "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined")
endif()
run(configure "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_PREFIX_PATH=${prefix}" ${flags})
run(build "${CMAKE_COMMAND}" --build "${WORK_DIR}/build")

set(env "${CMAKE_COMMAND}" -E env "CORVANEL_REGISTRY_DIR=${WORK_DIR}/registry"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0)
run(consumer ${env} "${WORK_DIR}/build/corvanel-consumer")
# The installed tool finds the installed library and sees what the consumer wrote.
execute_process(COMMAND ${env} "${prefix}/bin/corvanel-reg" query "HKCU\\Software\\Consumer"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "answer    REG_DWORD    0x2a")
    message(FATAL_ERROR "installed corvanel-reg failed (${rc}): ${out}")
endif()
