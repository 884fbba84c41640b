// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

#include "ranges/network_addresses.h"
#include "ranges/segment_range.h"

#include <bit>
#include <cmath>

namespace {

int groupBits(QStringView group) {
    return std::popcount(group.toUInt());
}

} // namespace

SegmentListing listSegments(const QString& mask, NetworkClass networkClass,
                            const QString& netPattern) {
    const int networkPrefix = facts(networkClass).prefixLength;
    const int prefix = maskPrefixLength(mask);
    if (prefix < networkPrefix || prefix > 31)
        return QStringList(); // never for a checked mask
    if (prefix == networkPrefix) {
        const QString network = networkAddress(networkClass, netPattern);
        return segmentRange(network, mask, networkClass, netPattern).value_or(AddressRange{});
    }
    const int subnetBits = prefix - networkPrefix;
    const quint32 subnets = quint32{1} << subnetBits;
    // Mask Discovery counts a class C network split by one bit as two
    // segments, so both halves are listed; everywhere else the all-zeros
    // and the all-ones segment are not.
    const bool bothHalves = networkClass == NetworkClass::C && subnetBits == 1;
    const quint32 highest = bothHalves ? 1 : subnets - 2;
    const quint32 lowest = bothHalves ? 0 : 1;
    QStringList rows;
    for (quint32 segment = highest + 1; segment-- > lowest;)
        rows.append(addressText(segment << (32 - prefix), networkPrefix, netPattern));
    return rows;
}

int maskPrefixLength(const QString& mask) {
    if (mask == u"255.255.0.0")
        return 16;
    if (mask == u"255.255.255.0")
        return 24;
    // Every other accepted mask holds three digits in the group that carries
    // the subnet bits: the fourth after "255.255.255.", else the third.
    if (mask.startsWith(u"255.255.255."))
        return 24 + groupBits(QStringView(mask).right(3));
    return 16 + groupBits(QStringView(mask).mid(8, 3));
}

double hostsPerSegment(int prefixLength) {
    return std::ldexp(1.0, 32 - prefixLength) - 2;
}
