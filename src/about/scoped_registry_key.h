// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

// An opened registry key that is closed when it goes out of scope, however
// the scope is left. A key that failed to open is never closed.
class ScopedRegistryKey {
public:
    ScopedRegistryKey(SystemServices& system, RegistryKey root, const std::string& path,
                      std::uint32_t access);
    ~ScopedRegistryKey();

    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    bool isOpen() const { return status_ == registry::success; }
    RegistryKey handle() const { return handle_; }

private:
    SystemServices& system_;
    RegistryKey handle_ = 0;
    RegistryStatus status_;
};
