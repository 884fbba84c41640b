# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds every target with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer; the first report ends the program, so a test that triggers
# one fails. TARNWELL_TEST_ENVIRONMENT carries the options the tests run with.
option(TARNWELL_SANITIZE "Build with address, undefined-behaviour and leak checks" OFF)
# libFuzzer targets under fuzz/; clang only. The rules' libraries then carry
# the coverage instrumentation that guides the fuzzers.
option(TARNWELL_FUZZ "Build the fuzz targets (clang only)" OFF)

set(TARNWELL_TEST_ENVIRONMENT "")
if(TARNWELL_SANITIZE)
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_compile_options(${sanitizer_flags} -O1)
    add_link_options(${sanitizer_flags})
    set(TARNWELL_TEST_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
        "UBSAN_OPTIONS=print_stacktrace=1")
endif()

if(TARNWELL_FUZZ)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_compile_options(-fsanitize=fuzzer-no-link)
    else()
        message(STATUS "Fuzz targets need clang; ${CMAKE_CXX_COMPILER_ID} builds without them")
        set(TARNWELL_FUZZ OFF)
    endif()
endif()
