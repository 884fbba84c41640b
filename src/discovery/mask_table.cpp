// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/mask_table.h"

#include "discovery/discover_mask.h"

#include <array>

namespace {

constexpr std::array<const char*, 16> masksByBits{
    "255.255.128.0",   "255.255.192.0",   "255.255.224.0",   "255.255.240.0",
    "255.255.248.0",   "255.255.252.0",   "255.255.254.0",   "255.255.255.0",
    "255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240",
    "255.255.255.248", "255.255.255.252", "255.255.255.254", "255.255.255.255",
};

} // namespace

QString maskText(int maskBits) {
    if (maskBits < 1 || maskBits > static_cast<int>(masksByBits.size()))
        return noMaskFits;
    return QString::fromLatin1(masksByBits[maskBits - 1]);
}

int prefixLength(const QString& mask) {
    constexpr int networkBits = 16;
    if (mask == u"255.255.0.0")
        return networkBits;
    for (size_t i = 0; i < masksByBits.size(); ++i) {
        if (mask == QLatin1String(masksByBits[i]))
            return networkBits + static_cast<int>(i) + 1;
    }
    return 0;
}
