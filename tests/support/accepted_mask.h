// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ranges/mask_check.h"

#include <stdexcept>

// Test tables write a mask as it is typed; the rules after the check take the
// mask the check accepted.
inline SubnetMask acceptedMask(const QString& text, NetworkClass networkClass) {
    const CheckedMask checked = checkMask(text, networkClass);
    if (!checked.accepted)
        throw std::invalid_argument("a test names a mask the check refuses");
    return *checked.accepted;
}
