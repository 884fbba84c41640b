// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

// The services on a system without a registry: no key can be opened, so the
// System Information tool is never found and the launcher shows its message.
class PortableSystemServices : public SystemServices {
public:
    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
    bool isOrdinaryFile(const std::string& path) override;
    bool startProgram(const std::string& path) override;
};
