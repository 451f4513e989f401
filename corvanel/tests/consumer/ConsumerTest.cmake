# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Installs the corvanel component of BUILD_DIR into a fresh prefix, then
# configures, builds and runs the consumer project against that prefix; and
# builds and runs a program with the flags of the installed corvanel.pc.
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

# Only the API is installed: the library's internal headers stay behind.
foreach(internal IN ITEMS Palette DeclaredDefaults LabelCaption)
    if(EXISTS "${prefix}/include/corvanel/${internal}.h")
        message(FATAL_ERROR "the internal header ${internal}.h was installed")
    endif()
endforeach()
if(NOT EXISTS "${prefix}/include/corvanel/corvanel_export.h")
    message(FATAL_ERROR "corvanel_export.h was not installed")
endif()

set(flags "")
set(flags_pkgconfig "")
if(SANITIZE)
    list(APPEND flags "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined"
                      "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined")
    set(flags_pkgconfig -fsanitize=address,undefined)
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

# pkg-config: the installed corvanel.pc finds the installed headers and library.
file(GLOB_RECURSE pc "${prefix}/*/corvanel.pc")
if(NOT pc)
    message(FATAL_ERROR "no corvanel.pc was installed")
endif()
get_filename_component(pc_dir "${pc}" DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env "PKG_CONFIG_PATH=${pc_dir}"
        pkg-config --cflags --libs corvanel
    RESULT_VARIABLE rc OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0 OR NOT pc_flags MATCHES "-I[^ ]+/include" OR NOT pc_flags MATCHES "-lcorvanel")
    message(FATAL_ERROR "pkg-config corvanel gave (${rc}): ${pc_flags}")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
get_filename_component(lib_dir "${pc_dir}" DIRECTORY)
run(pkg-config-build "${CXX_COMPILER}" -std=c++20 -fPIC
    "${CMAKE_CURRENT_LIST_DIR}/pkgconfig/main.cpp" ${pc_flags} ${flags_pkgconfig}
    "-Wl,-rpath,${lib_dir}" -o "${WORK_DIR}/pkgconfig-consumer")
run(pkg-config-consumer ${env} "${WORK_DIR}/pkgconfig-consumer")
