// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

#include <memory>

// The services of the system the program runs on: the Win32 ones on Windows,
// the portable stand-in elsewhere.
std::unique_ptr<SystemServices> makePlatformSystemServices();
