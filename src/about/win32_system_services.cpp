// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/win32_system_services.h"

#include <windows.h>

#include <memory>

static_assert(sizeof(RegistryKey) == sizeof(HKEY));
static_assert(registry::success == ERROR_SUCCESS);
static_assert(registry::fileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(registry::moreData == ERROR_MORE_DATA);
static_assert(registry::readAccess == static_cast<std::uint32_t>(KEY_READ));
static_assert(registry::stringType == REG_SZ && registry::expandStringType == REG_EXPAND_SZ);
static_assert(registry::dwordType == REG_DWORD && registry::multiStringType == REG_MULTI_SZ);

namespace {

HKEY toHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

RegistryStatus Win32SystemServices::openKey(RegistryKey root, const std::string& path,
                                            std::uint32_t access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(toHkey(root), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

RegistryStatus Win32SystemServices::queryValue(RegistryKey key, const std::string& name,
                                               std::uint32_t& type, std::uint8_t* data,
                                               std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LSTATUS status =
        RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

void Win32SystemServices::closeKey(RegistryKey key) {
    RegCloseKey(toHkey(key));
}

bool Win32SystemServices::isOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD notOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & notOrdinary) == 0;
}

// The path is named as the program to run, so a path with blanks can never
// start a program at one of its prefixes (C:\Program.exe); the command line
// repeats it quoted, so the tool reads its own name back whole.
bool Win32SystemServices::startProgram(const std::string& path) {
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // The tool runs on by itself; only our handles to it are given back.
    const UniqueHandle processHandle(process.hProcess);
    const UniqueHandle threadHandle(process.hThread);
    return true;
}
