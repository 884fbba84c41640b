// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/segment_count.h"

#include <cmath>

std::optional<SegmentCount> countSegments(SubnetMask mask, NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    const int prefix = mask.prefixLength();
    if (prefix < of.prefixLength || prefix >= SubnetMask::longestPrefix)
        return std::nullopt;
    const int subnetBits = prefix - of.prefixLength;
    const double hosts = std::ldexp(1.0, SubnetMask::longestPrefix - prefix) - 2;
    if (subnetBits == 0)
        return SegmentCount{0, 0, hosts};
    if (subnetBits == 1 && of.halvesCount)
        return SegmentCount{0, 1, hosts};
    const quint32 allOnes = (quint32{1} << subnetBits) - 1;
    return SegmentCount{1, allOnes - 1, hosts};
}
