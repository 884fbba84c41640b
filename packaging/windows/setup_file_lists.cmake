# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes what the setup program puts in place and what its uninstaller takes
# away, from the staged install: each file by name, so that uninstalling
# removes exactly what was installed and nothing a user added.
#   cmake -D stage=<staged install> -D lists=<folder for the lists> -P setup_file_lists.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE ${stage} ${stage}/*)
list(SORT folders)
set(instdir "$INSTDIR")
set(install_lines "")
set(uninstall_lines "")
foreach(folder "" ${folders})
    if(folder AND NOT IS_DIRECTORY ${stage}/${folder})
        continue()
    endif()
    cmake_path(APPEND stage ${folder} OUTPUT_VARIABLE staged)
    cmake_path(APPEND instdir ${folder} OUTPUT_VARIABLE installed)
    string(REPLACE "/" "\\" windows_folder "${installed}")
    string(APPEND install_lines "SetOutPath \"${windows_folder}\"\n")
    file(GLOB names LIST_DIRECTORIES false RELATIVE ${staged} ${staged}/*)
    list(SORT names)
    foreach(name IN LISTS names)
        string(APPEND install_lines "File \"${staged}/${name}\"\n")
        string(APPEND uninstall_lines "Delete \"${windows_folder}\\${name}\"\n")
    endforeach()
endforeach()
# Deepest folders first, so each is empty when its turn comes.
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY ${stage}/${folder})
        string(REPLACE "/" "\\" windows_folder "$INSTDIR/${folder}")
        string(APPEND uninstall_lines "RMDir \"${windows_folder}\"\n")
    endif()
endforeach()
file(WRITE ${lists}/install_files.nsh "${install_lines}")
file(WRITE ${lists}/uninstall_files.nsh "${uninstall_lines}")
