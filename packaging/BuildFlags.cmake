# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# What a Debian package build gets (debhelper passes the same): the library in
# the multiarch folder (lib/x86_64-linux-gnu), where the dynamic linker and the
# packages of other architectures expect it, and the hardening flags of
# dpkg-buildflags. Included by the tree before its projects.

# The multiarch folder under any prefix (/usr/local/lib/<triplet> is on the
# linker's path as well). A LIBDIR given on the command line stays; the
# plain "lib" that GNUInstallDirs would pick is replaced, also in a build
# folder configured before. (Pass another LIBDIR to keep it.)
find_program(DPKG_ARCHITECTURE dpkg-architecture)
if(DPKG_ARCHITECTURE AND (NOT DEFINED CMAKE_INSTALL_LIBDIR OR CMAKE_INSTALL_LIBDIR STREQUAL "lib"))
    execute_process(COMMAND ${DPKG_ARCHITECTURE} -qDEB_HOST_MULTIARCH
        OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
    if(rc EQUAL 0 AND multiarch)
        set(CMAKE_INSTALL_LIBDIR lib/${multiarch} CACHE PATH "Object code libraries" FORCE)
    endif()
endif()

# Stack protector, fortified libc calls, format checks, full RELRO with
# immediate binding, position-independent executables. Sanitizer and fuzzer
# builds are never shipped and bring their own instrumentation; fortified calls
# need the optimiser, so Debug builds go without them.
option(OMBREL_HARDEN "Build with Debian's hardening flags" ON)
if(OMBREL_HARDEN AND NOT OMBREL_SANITIZE AND NOT OMBREL_FUZZ)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
