// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/portable_system_services.h"

#include <filesystem>

RegistryStatus PortableSystemServices::openKey(RegistryKey, const std::string&, std::uint32_t,
                                               RegistryKey&) {
    return registry::fileNotFound;
}

RegistryStatus PortableSystemServices::queryValue(RegistryKey, const std::string&, std::uint32_t&,
                                                  std::uint8_t*, std::uint32_t&) {
    return registry::fileNotFound;
}

void PortableSystemServices::closeKey(RegistryKey) {}

bool PortableSystemServices::isOrdinaryFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Only the Windows tool is ever asked for, and it cannot be found here.
bool PortableSystemServices::startProgram(const std::string&) {
    return false;
}
