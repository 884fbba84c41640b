// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/scoped_registry_key.h"

ScopedRegistryKey::ScopedRegistryKey(SystemServices& system, RegistryKey root,
                                     const std::string& path, std::uint32_t access)
    : system_(system), status_(system.openKey(root, path, access, handle_)) {}

ScopedRegistryKey::~ScopedRegistryKey() {
    if (isOpen())
        system_.closeKey(handle_);
}
