# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The same source builds the same binaries wherever it is built. The folders'
# own paths stay out of what the compiler writes, and the tools that run
# during the build (rcc stamps every resource with a time) take the release's
# SOURCE_DATE_EPOCH, when one is set, from their command lines rather than
# from the environment of whoever runs the build: a change of time is then a
# change of command, and rebuilds what it stamps.
if(NOT MSVC)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
        "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH}")
endif()
