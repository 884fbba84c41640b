// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

#include <functional>
#include <string>

// Where the System Information tool is looked up, in this order, both below
// HKEY_LOCAL_MACHINE: the tool's full path, then the folder that holds it.
inline constexpr const char* sysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* sysInfoPathValue = "PATH";
inline constexpr const char* sysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* sysInfoFolderValue = "MSINFO";
inline constexpr const char* sysInfoFileName = "\\MSINFO32.EXE";

inline constexpr const char* sysInfoUnavailable = "System Information Is Unavailable At This Time";

// Shows a message to the user (OK only, no icon, the application's title)
// and returns once it has been dismissed.
using SysInfoNotifier = std::function<void(const std::string& text)>;

// Finds the System Information tool through the registry and starts it.
// Every failure, raised errors included, ends in the one message; nothing
// reaches the caller.
void StartSysInfo(SystemServices& system, const SysInfoNotifier& notify);
