# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds every target with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer; the first report ends the program, so a test that triggers
# one fails. TARNWELL_TEST_ENVIRONMENT carries the options the tests run with.
option(TARNWELL_SANITIZE "Build with address, undefined-behaviour and leak checks" OFF)

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

