// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// The registry, file and process services the System Information launcher
// uses, shaped after the Win32 calls behind them so that the launcher's logic
// builds and is tested anywhere. Texts are in the system's ANSI code page.

// A registry key handle (HKEY) or predefined root, held as an integer so that
// this header needs no <windows.h>.
using RegistryKey = std::intptr_t;
// A Win32 status code; 0 is success.
using RegistryStatus = long;

namespace registry {

// Predefined roots are 32-bit values sign-extended to a handle's width, as
// <windows.h> defines them.
inline constexpr RegistryKey localMachine = static_cast<std::int32_t>(0x80000002u);

inline constexpr RegistryStatus success = 0;      // ERROR_SUCCESS
inline constexpr RegistryStatus fileNotFound = 2; // ERROR_FILE_NOT_FOUND
inline constexpr RegistryStatus moreData = 234;   // ERROR_MORE_DATA

inline constexpr std::uint32_t readAccess = 0x20019; // KEY_READ

// Value types.
inline constexpr std::uint32_t stringType = 1;       // REG_SZ
inline constexpr std::uint32_t expandStringType = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t dwordType = 4;        // REG_DWORD
inline constexpr std::uint32_t multiStringType = 7;  // REG_MULTI_SZ

} // namespace registry

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // RegOpenKeyExA with options 0; `key` is set only when the status is success.
    virtual RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                                   RegistryKey& key) = 0;

    // RegQueryValueExA: `size` holds the buffer's size in bytes on entry and the
    // bytes written (or, with moreData, needed) on return.
    virtual RegistryStatus queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                      std::uint8_t* data, std::uint32_t& size) = 0;

    // RegCloseKey; nothing could be done about its status.
    virtual void closeKey(RegistryKey key) = 0;

    // True for an existing file that is neither a directory nor hidden nor a
    // system file.
    virtual bool isOrdinaryFile(const std::string& path) = 0;

    // Starts the program stored at `path`, with no arguments, shown normally,
    // and returns without waiting for it; false when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;
};
