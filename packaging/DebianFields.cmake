# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# Run by cpack after it made the packages (CPACK_POST_BUILD_SCRIPTS), for what
# CPack 3.25 cannot say itself:
# - the Multi-Arch field of each package (CPACK_OMBREL_MULTIARCH_<package>);
# - a library's ldconfig: CPack writes postinst and postrm scripts that call
#   ldconfig for every library under /usr/lib, while the package's trigger
#   (activate-noawait ldconfig) already does, as in Debian's own packages.
#   Those two scripts go (the packages bring no other maintainer scripts);
# - the .comment section of the binaries (compiler version strings), which
#   CPack's strip keeps and Debian's dh_strip takes out; md5sums is renewed.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND dpkg-deb -f ${deb} Package OUTPUT_VARIABLE package
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(dir ${deb}.tree)
    file(REMOVE_RECURSE ${dir})
    execute_process(COMMAND dpkg-deb -R ${deb} ${dir} COMMAND_ERROR_IS_FATAL ANY)
    foreach(script IN ITEMS postinst postrm)
        if(EXISTS ${dir}/DEBIAN/${script})
            file(READ ${dir}/DEBIAN/${script} text)
            if(NOT text MATCHES "ldconfig")
                message(FATAL_ERROR "${package}: a ${script} that does more than ldconfig")
            endif()
            file(REMOVE ${dir}/DEBIAN/${script})
        endif()
    endforeach()
    set(multiarch "${CPACK_OMBREL_MULTIARCH_${package}}")
    if(multiarch)
        file(READ ${dir}/DEBIAN/control control)
        string(REGEX REPLACE "(^|\n)(Architecture: [^\n]*\n)" "\\1\\2Multi-Arch: ${multiarch}\n"
            control "${control}")
        file(WRITE ${dir}/DEBIAN/control "${control}")
    endif()
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${dir} ${dir}/*)
    set(md5sums "")
    foreach(file IN LISTS files)
        if(file MATCHES "^DEBIAN/" OR IS_SYMLINK ${dir}/${file})
            continue()
        endif()
        file(READ ${dir}/${file} magic LIMIT 4 HEX)
        if(magic STREQUAL "7f454c46")
            execute_process(COMMAND objcopy --remove-section=.comment ${dir}/${file}
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
        file(MD5 ${dir}/${file} sum)
        string(APPEND md5sums "${sum}  ${file}\n")
    endforeach()
    file(WRITE ${dir}/DEBIAN/md5sums "${md5sums}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b ${dir} ${deb}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${dir})
endforeach()
