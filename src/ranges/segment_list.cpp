// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

#include "ranges/network_addresses.h"
#include "ranges/segment_range.h"

#include <cmath>

SegmentListing listSegments(SubnetMask mask, NetworkClass networkClass, const QString& netPattern) {
    const int networkPrefix = facts(networkClass).prefixLength;
    const int prefix = mask.prefixLength();
    if (prefix < networkPrefix || prefix >= SubnetMask::longestPrefix)
        return QStringList(); // never for a checked mask
    if (prefix == networkPrefix) {
        const QString network = networkAddress(networkClass, netPattern);
        return segmentRange(network, mask, networkClass, netPattern).value_or(AddressRange{});
    }
    const int subnetBits = prefix - networkPrefix;
    const quint32 subnets = quint32{1} << subnetBits;
    // Where Mask Discovery counts a network split by one bit as two segments,
    // both halves are listed; everywhere else the all-zeros and the all-ones
    // segment are not.
    const bool bothHalves = facts(networkClass).halvesCount && subnetBits == 1;
    const quint32 highest = bothHalves ? 1 : subnets - 2;
    const quint32 lowest = bothHalves ? 0 : 1;
    QStringList rows;
    for (quint32 segment = highest + 1; segment-- > lowest;)
        rows.append(addressText(segment << (SubnetMask::longestPrefix - prefix), networkPrefix,
                                netPattern));
    return rows;
}

double hostsPerSegment(SubnetMask mask) {
    return std::ldexp(1.0, SubnetMask::longestPrefix - mask.prefixLength()) - 2;
}
