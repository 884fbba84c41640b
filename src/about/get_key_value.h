// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

#include <cstddef>
#include <string>

// Size of the buffer a registry value is read into; a longer value counts as
// absent.
inline constexpr std::size_t valueBufferSize = 1024;

// Reads the value `subKeyRef` of the key `keyName` below `keyRoot` into
// `keyVal` and tells whether the key was opened and the value read. A missing
// key or value empties `keyVal`. A string comes back without its terminating
// zero, a DWORD as its decimal text; a value of any other type leaves
// `keyVal` as the caller passed it. A value of size 0 raises
// std::invalid_argument. The key is opened for reading only.
bool GetKeyValue(SystemServices& system, RegistryKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);
