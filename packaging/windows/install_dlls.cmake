# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs beside the executables every DLL that they and the plugins import,
# directly or through another DLL, as objdump reads the imports. Each is
# looked up, ignoring case as Windows does, in the folders given. A DLL found
# in none of them is part of Windows itself; a Qt or compiler runtime DLL
# among those would be a broken build, so it stops the install.

# Every DLL the folders hold, by its name in lower case; the first folder wins.
foreach(folder IN LISTS tarnwell_dll_folders)
    file(GLOB dlls LIST_DIRECTORIES false "${folder}/*.dll")
    foreach(dll IN LISTS dlls)
        cmake_path(GET dll FILENAME name)
        string(TOLOWER "${name}" name)
        if(NOT DEFINED dll_${name})
            set(dll_${name} "${dll}")
        endif()
    endforeach()
endforeach()

set(unread ${tarnwell_binaries} ${tarnwell_modules})
set(shipped "")
while(unread)
    list(POP_FRONT unread binary)
    # objdump names its fields in the user's language; the names read here are English.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${tarnwell_objdump} -p ${binary}
                    OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: *" "" name "${import}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" name)
        if(DEFINED dll_${name})
            list(FIND shipped "${dll_${name}}" known)
            if(known EQUAL -1)
                list(APPEND shipped "${dll_${name}}")
                list(APPEND unread "${dll_${name}}")
            endif()
        elseif(name MATCHES "^(qt6|lib)")
            message(FATAL_ERROR "${binary} imports ${name}, found in none of ${tarnwell_dll_folders}")
        endif()
    endforeach()
endwhile()
# Every program here imports Qt: none found means the imports were misread.
if(NOT shipped)
    message(FATAL_ERROR "No DLL found among the imports of ${tarnwell_binaries}")
endif()
file(INSTALL ${shipped} DESTINATION ${CMAKE_INSTALL_PREFIX})

# The compiler's runtime comes with its debugging symbols: a stripped install
# (cpack, or cmake --install --strip) leaves them out, as it does for the
# executable.
if(CMAKE_INSTALL_DO_STRIP)
    foreach(dll IN LISTS shipped)
        cmake_path(GET dll FILENAME name)
        execute_process(COMMAND ${tarnwell_strip} ${CMAKE_INSTALL_PREFIX}/${name}
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
