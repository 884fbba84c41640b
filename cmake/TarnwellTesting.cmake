# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

include(GoogleTest)

# GoogleTest comes from the system; a cross build compiles it from its
# sources, since no prebuilt copy exists for the target.
set(TARNWELL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources, compiled for a cross build (Debian's googletest package)")
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${TARNWELL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Newer GoogleTest sources name their targets this way themselves.
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
else()
    find_package(GTest REQUIRED)
endif()

# tarnwell_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# Rule tests run on GoogleTest's own main; GUI tests on one that starts a
# QApplication on Qt's offscreen platform, so no display is needed. Tests are
# listed when they run, so building never starts them (nor
# Wine, for a cross build).
function(tarnwell_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE tarnwell_test_support)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    tarnwell_discover_tests(${name})
endfunction()

# tarnwell_discover_tests(<target> [FILTER <gtest filter>] [SUFFIX <suffix>]
#                         [ENVIRONMENT <NAME=value>...])
# Lists a test program's tests when they run, each with the environment every
# test gets plus the variables given. gtest_discover_tests hands PROPERTIES on
# as a flat list, which splits a list value such as ENVIRONMENT into property
# names; so the environment is set by a file of our own that CTest reads once
# the tests are listed.
function(tarnwell_discover_tests target)
    cmake_parse_arguments(ARG "" "FILTER;SUFFIX" "ENVIRONMENT" ${ARGN})
    string(MAKE_C_IDENTIFIER "${target}${ARG_SUFFIX}" id)
    set(options TEST_LIST ${id}_tests)
    if(ARG_FILTER)
        list(APPEND options TEST_FILTER ${ARG_FILTER})
    endif()
    if(ARG_SUFFIX)
        list(APPEND options TEST_SUFFIX ${ARG_SUFFIX})
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST ${options})

    set(environment LC_ALL=C.UTF-8 ${TARNWELL_TEST_ENVIRONMENT} ${ARG_ENVIRONMENT})
    set(file ${CMAKE_CURRENT_BINARY_DIR}/${id}_environment.cmake)
    file(WRITE ${file}
        "if(${id}_tests)\n"
        "    set_tests_properties(\${${id}_tests} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
        "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
