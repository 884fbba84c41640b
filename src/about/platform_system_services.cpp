// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/platform_system_services.h"

#ifdef _WIN32
#include "about/win32_system_services.h"
using PlatformSystemServices = Win32SystemServices;
#else
#include "about/portable_system_services.h"
using PlatformSystemServices = PortableSystemServices;
#endif

std::unique_ptr<SystemServices> makePlatformSystemServices() {
    return std::make_unique<PlatformSystemServices>();
}
