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
# while its own signature is being made). With -D check=ON instead of name,
# it only confirms that file carries a signature made over it.
cmake_minimum_required(VERSION 3.25)

set(signatures "$ENV{TARNWELL_SIGNATURES}")
# Working files go here, never beside the files being packed.
if(DEFINED ENV{TMPDIR})
    set(scratch "$ENV{TMPDIR}")
else()
    set(scratch /tmp)
endif()
string(RANDOM LENGTH 12 tag)
set(scratch "${scratch}/tarnwell-signature-${tag}")

# A detached signature is the PKCS#7 SignedData alone (DER), as osslsigncode
# 2.6 and later extract and attach it; 2.5 extracts and attaches it inside its
# WIN_CERTIFICATE entry: an 8-byte header (length, revision 2.0, type PKCS#7),
# padded to 8 bytes. Either form is read; the bare one is what is kept.
function(bare_signature signature bare)
    file(READ "${signature}" head HEX LIMIT 12)
    if(NOT head MATCHES "^........00020200(3082....)")
        file(COPY_FILE "${signature}" "${bare}")
        return()
    endif()
    string(SUBSTRING "${CMAKE_MATCH_1}" 4 4 length)
    math(EXPR length "4 + 0x${length}")
    execute_process(COMMAND sh -c "tail -c +9 \"$1\" | head -c $2 >\"$3\"" sh "${signature}"
                            ${length} "${bare}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not read the signature in ${signature}")
    endif()
endfunction()

# A byte as printf writes it in any shell: a backslash and three octal digits.
function(octal_byte value out)
    math(EXPR first "${value} / 64")
    math(EXPR second "${value} / 8 % 8")
    math(EXPR third "${value} % 8")
    set(${out} "\\${first}${second}${third}" PARENT_SCOPE)
endfunction()

# The bare signature inside a WIN_CERTIFICATE entry, for osslsigncode 2.5.
function(wrapped_signature bare wrapped)
    file(SIZE "${bare}" length)
    math(EXPR padded "(8 + ${length} + 7) / 8 * 8")
    if(padded GREATER_EQUAL 65536)
        message(FATAL_ERROR "The signature ${bare} is too long to attach")
    endif()
    math(EXPR padding "${padded} - 8 - ${length}")
    math(EXPR low "${padded} % 256")
    math(EXPR high "${padded} / 256")
    octal_byte(${low} low)
    octal_byte(${high} high)
    # The length (little-endian), revision 2.0, type 2 (PKCS#7).
    set(header "${low}${high}\\000\\000\\000\\002\\002\\000")
    execute_process(COMMAND sh -c "{ printf '${header}'; cat \"$1\"; head -c $2 /dev/zero; } >\"$3\""
                            sh "${bare}" ${padding} "${wrapped}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not wrap the signature ${bare}")
    endif()
endfunction()

# osslsigncode verifies the signer's chain before it shows a file's digests,
# and from version 2.6 on keeps nothing attach-signature wrote unless the chain
# verifies. Whether the signer is to be trusted is for Windows to judge; the
# build asks only whether a signature belongs to its file. So the chain is
# checked against the certificates the signature itself carries, at a moment
# when all of them hold: the latest of their start dates.
function(own_chain signature cafile out_options)
    execute_process(COMMAND openssl pkcs7 -inform DER -in "${signature}" -print_certs
                            -out "${cafile}"
                    RESULT_VARIABLE failed ERROR_QUIET)
    execute_process(COMMAND openssl pkcs7 -inform DER -in "${signature}" -print_certs -text
                            -noout
                    OUTPUT_VARIABLE certificates ERROR_QUIET)
    string(REGEX MATCHALL "Not Before: [^\n]+" starts "${certificates}")
    if(failed OR NOT starts)
        message(FATAL_ERROR "${signature} carries no certificates")
    endif()
    set(latest 0)
    foreach(start IN LISTS starts)
        string(REGEX REPLACE "^Not Before: *" "" start "${start}")
        execute_process(COMMAND date -u -d "${start}" +%s
                        OUTPUT_VARIABLE seconds OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(seconds GREATER latest)
            set(latest ${seconds})
        endif()
    endforeach()
    set(${out_options} -CAfile "${cafile}" -time ${latest} PARENT_SCOPE)
endfunction()

# Whether the signature in file is made over file: the digest it signs is the
# file's own. digests: the report's digest lines, for a message.
function(signed_over file out_signed out_digests)
    find_program(osslsigncode osslsigncode REQUIRED)
    set(extracted "${scratch}/extracted.sig")
    file(MAKE_DIRECTORY "${scratch}")
    file(REMOVE "${extracted}")
    execute_process(COMMAND ${osslsigncode} extract-signature -in "${file}" -out "${extracted}"
                    OUTPUT_QUIET ERROR_QUIET)
    set(signed FALSE)
    set(digests "")
    if(EXISTS "${extracted}")
        bare_signature("${extracted}" "${scratch}/bare.sig")
        own_chain("${scratch}/bare.sig" "${scratch}/chain.pem" trust)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${osslsigncode} verify ${trust}
                                -in "${file}"
                        OUTPUT_VARIABLE report ERROR_VARIABLE report)
        string(REGEX MATCHALL "[^\n]*message digest *:[^\n]*" digests "${report}")
        list(JOIN digests "\n" digests)
        if(report MATCHES "\nCalculated message digest *: [0-9A-F]+ *\n"
           AND NOT report MATCHES "message digest *: [0-9A-F]+ *MISMATCH")
            set(signed TRUE)
        endif()
    endif()
    file(REMOVE_RECURSE "${scratch}")
    set(${out_signed} ${signed} PARENT_SCOPE)
    set(${out_digests} "${digests}" PARENT_SCOPE)
endfunction()

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
    file(MAKE_DIRECTORY "${scratch}")
    bare_signature("${signature}" "${scratch}/bare.sig")
    wrapped_signature("${scratch}/bare.sig" "${scratch}/wrapped.sig")
    own_chain("${scratch}/bare.sig" "${scratch}/chain.pem" trust)
    # The bare form, else the wrapped one, whichever this osslsigncode takes.
    # Its exit status says whether the chain verified, which is not asked
    # here (osslsigncode 2.5 keeps what it wrote either way): the file counts.
    foreach(form bare wrapped)
        if(NOT EXISTS "${signed}")
            execute_process(COMMAND ${osslsigncode} attach-signature ${trust}
                                    -sigin "${scratch}/${form}.sig" -in "${file}" -out "${signed}"
                            OUTPUT_QUIET ERROR_QUIET)
        endif()
    endforeach()
    file(REMOVE_RECURSE "${scratch}")
    if(NOT EXISTS "${signed}")
        message(FATAL_ERROR "osslsigncode attached no signature to ${name} (${file}): "
                            "${signature} is not a signature of it")
    endif()
    signed_over("${signed}" belongs digests)
    if(NOT belongs)
        file(REMOVE "${signed}")
        message(FATAL_ERROR "${signature} is not a signature of ${name} (${file}):\n${digests}")
    endif()
    file(RENAME "${signed}" "${file}")
endfunction()

if(check)
    signed_over("${file}" belongs digests)
    if(NOT belongs)
        message(FATAL_ERROR "${file} does not carry a signature made over it")
    endif()
elseif(DEFINED file)
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
