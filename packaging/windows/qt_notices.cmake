# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt's third-party notices, as its sources list them in qt_attribution.json
# files, for the parts inside the DLLs Tarnwell ships (Core, Gui, Widgets,
# the windows platform plugin). scripts/windows-qt writes them from Qt's
# source once, beside the Qt it builds:
#
#   cmake -DQT_SOURCE=folder -DOUTPUT=file -P qt_notices.cmake
# Left out, because this Qt does not contain
# them: the network, D-Bus, Vulkan, JPEG and test parts, and code for other
# systems (macOS, X11, Android, WebAssembly, ARM NEON).
# Each Qt release keeps some of them elsewhere (6.4's SipHash is in
# corelib/tools, 6.8's in 3rdparty/siphash), so the list names the folders of
# both, and a folder the source at hand does not have is passed over.
set(qt_attributions
    src/corelib/mimetypes/3rdparty
    src/corelib/text
    src/corelib/tools
    src/3rdparty/blake2
    src/3rdparty/double-conversion
    src/3rdparty/easing
    src/3rdparty/md4
    src/3rdparty/md5
    src/3rdparty/pcre2
    src/3rdparty/rfc6234
    src/3rdparty/sha1
    src/3rdparty/sha3
    src/3rdparty/siphash
    src/3rdparty/tinycbor
    src/3rdparty/zlib
    src/gui/opengl
    src/gui/painting
    src/gui/rhi
    src/gui/text
    src/3rdparty/D3D12MemoryAllocator
    src/3rdparty/freetype
    src/3rdparty/harfbuzz-ng
    src/3rdparty/icc
    src/3rdparty/libpng
    src/3rdparty/md4c
)

# One entry of an attribution file, with the licence text it names.
function(append_qt_attribution text_var json folder)
    set(text "${${text_var}}")
    string(JSON name ERROR_VARIABLE missing GET "${json}" Name)
    if(missing)
        return()
    endif()
    string(APPEND text "================================================================\n"
                       "${name}\n\n")
    foreach(field QtUsage License Copyright)
        string(JSON value ERROR_VARIABLE missing GET "${json}" ${field})
        if(NOT missing)
            string(APPEND text "${field}: ${value}\n")
        endif()
    endforeach()
    string(JSON licence_file ERROR_VARIABLE missing GET "${json}" LicenseFile)
    if(NOT missing AND EXISTS ${folder}/${licence_file})
        file(READ ${folder}/${licence_file} licence)
        string(APPEND text "\n${licence}\n")
    endif()
    set(${text_var} "${text}" PARENT_SCOPE)
endfunction()

function(write_qt_third_party_notices source output)
    set(text "Third-party parts inside the Qt libraries shipped with Tarnwell\n\n")
    foreach(folder IN LISTS qt_attributions)
        if(NOT EXISTS ${source}/${folder}/qt_attribution.json)
            continue()
        endif()
        file(READ ${source}/${folder}/qt_attribution.json json)
        string(JSON type TYPE "${json}")
        if(type STREQUAL "ARRAY")
            string(JSON last LENGTH "${json}")
            math(EXPR last "${last} - 1")
            foreach(index RANGE ${last})
                string(JSON entry GET "${json}" ${index})
                append_qt_attribution(text "${entry}" ${source}/${folder})
            endforeach()
        else()
            append_qt_attribution(text "${json}" ${source}/${folder})
        endif()
    endforeach()
    file(WRITE ${output} "${text}")
endfunction()

write_qt_third_party_notices(${QT_SOURCE} ${OUTPUT})
