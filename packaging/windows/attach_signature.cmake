# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Attaches the publisher's detached Authenticode signatures (scripts/sign-release)
# to the Windows files, when the build is given a folder of them in the
# environment's TARNWELL_SIGNATURES: <name>.sig signs the file of that name,
# its path in the installed folder (Qt6Core.dll, platforms/qwindows.dll), or
# Uninstall.exe, or the setup program's own name. Without it, nothing changes.
#
# As an install script it signs every program and DLL installed; stripped
# first, as they are packed. As a script of its own it signs one file:
#   cmake -D file=<PE file> -D name=<its name> [-D copy=<where to keep it>]
#         [-D optional=ON] -P attach_signature.cmake
# copy keeps the file as signed (or not) for the checks and the signer; with
# optional, a file without a signature stays unsigned (the setup program,
# while its own signature is being made).
cmake_minimum_required(VERSION 3.25)

set(signatures "$ENV{TARNWELL_SIGNATURES}")

# The signature must be made over this very file: attach-signature writes any
# signature into any file, so the digest it signs is compared with the file's.
function(attach_signature file name optional)
    set(signature "${signatures}/${name}.sig")
    if(NOT EXISTS "${signature}")
        if(NOT optional)
            message(FATAL_ERROR "No signature for ${name}: ${signature} is missing")
        endif()
        return()
    endif()
    find_program(osslsigncode osslsigncode REQUIRED)
    set(signed "${file}.signed")
    file(REMOVE "${signed}")
    # attach-signature also verifies what it wrote against the machine's CAs,
    # and then fails for any signer outside them (a throwaway CA; a
    # certificate expired by now), keeping the file: the file is what counts.
    execute_process(COMMAND ${osslsigncode} attach-signature -sigin "${signature}"
                            -in "${file}" -out "${signed}"
                    OUTPUT_QUIET ERROR_QUIET)
    if(NOT EXISTS "${signed}")
        message(FATAL_ERROR "osslsigncode attached no signature to ${name} (${file})")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${osslsigncode} verify -in "${signed}"
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT report MATCHES "\nCalculated message digest *: [0-9A-F]+ *\n"
       OR report MATCHES "message digest *: [0-9A-F]+ *MISMATCH")
        file(REMOVE "${signed}")
        string(REGEX MATCHALL "[^\n]*message digest *:[^\n]*" digests "${report}")
        list(JOIN digests "\n" digests)
        message(FATAL_ERROR "${signature} is not a signature of ${name} (${file}):\n${digests}")
    endif()
    file(RENAME "${signed}" "${file}")
endfunction()

if(DEFINED file)
    if(signatures)
        attach_signature("${file}" "${name}" "${optional}")
    endif()
    if(DEFINED copy)
        file(COPY_FILE "${file}" "${copy}")
    endif()
elseif(signatures)
    file(GLOB_RECURSE binaries RELATIVE "${CMAKE_INSTALL_PREFIX}"
         "${CMAKE_INSTALL_PREFIX}/*.exe" "${CMAKE_INSTALL_PREFIX}/*.dll")
    foreach(binary IN LISTS binaries)
        attach_signature("${CMAKE_INSTALL_PREFIX}/${binary}" "${binary}" OFF)
    endforeach()
endif()
