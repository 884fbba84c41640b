# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The optimised builds, the ones that ship, are hardened; Debug builds are left
# alone (_FORTIFY_SOURCE needs optimisation).
#
# Linux: Debian's hardening flags (dpkg-buildflags, hardening=+all), which a
# CPack-made package would otherwise go without, plus control-flow protection;
# scripts/package-check has hardening-check confirm them. Fortify is level 3:
# at level 2 neither program has a single call whose buffer size GCC knows,
# so nothing is checked. Debian 12's glibc startup files (Scrt1.o, crti.o,
# crtn.o) carry no CET note, and the linker drops the note of every program
# linked with them: it is asked for outright. Those few instructions keep the
# shadow stack intact; their _init and _fini lack ENDBR64, which matters only
# where user-space IBT is enforced, and no Linux kernel does that.
#
# Windows: Tarnwell's own programs get stack protection. Debian 12's mingw-w64
# runtime has no __stack_chk_fail; GCC's libssp has, and is linked statically
# so that no further DLL ships.
if(MSVC)
    return()
endif()
set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options($<${optimised}:-fstack-protector-strong>)
if(WIN32)
    link_libraries($<${optimised}:-l:libssp.a>)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options($<${optimised}:-D_FORTIFY_SOURCE=3>
                    "$<${optimised}:-fstack-clash-protection;-fcf-protection>")
add_link_options("$<${optimised}:LINKER:-z,relro,-z,now;LINKER:-z,ibt,-z,shstk>")
