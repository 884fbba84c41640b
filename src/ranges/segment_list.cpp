// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

#include <bit>
#include <cmath>
#include <optional>

namespace {

// The mask group that carries the subnet bits: its value, and how many mask
// bits stand before it.
struct SubnetGroup {
    int value;
    int bitsBefore;
};

// An accepted mask holds three digits at these places. For class B only the
// third group counts: 255.255.255.192 lists the 254 third-group values.
std::optional<SubnetGroup> subnetGroup(const QString& mask, const QString& ipClass) {
    if (ipClass == u"B")
        return SubnetGroup{QStringView(mask).mid(8, 3).toInt(), 16};
    if (ipClass == u"C")
        return SubnetGroup{QStringView(mask).right(3).toInt(), 24};
    return std::nullopt;
}

QStringList segmentRows(int groupValue, const QString& prefix, const QString& suffix) {
    const int block = 256 - groupValue;
    QStringList rows;
    if (block < 1) // never for a checked mask; guards the loop all the same
        return rows;
    for (int n = groupValue - block; n >= block; n -= block)
        rows.append(prefix + QString::number(n) + suffix);
    return rows;
}

} // namespace

SegmentListing listSegments(const QString& mask, const QString& ipClass,
                            const QString& netPattern) {
    const QString prefix = netPattern + u'.';
    if (ipClass == u"B" && mask == u"255.255.0.0")
        return AddressRange{prefix + QStringLiteral("1.1"), prefix + QStringLiteral("254.254")};
    if (ipClass == u"C" && mask == u"255.255.255.0")
        return AddressRange{prefix + QStringLiteral("1"), prefix + QStringLiteral("254")};
    if (ipClass == u"B" && mask == u"255.255.255.0")
        return classMismatchRefusal;
    const std::optional<SubnetGroup> group = subnetGroup(mask, ipClass);
    if (!group)
        return QStringList();
    return segmentRows(group->value, prefix, ipClass == u"B" ? QStringLiteral(".0") : QString());
}

int segmentPrefixLength(const QString& mask, const QString& ipClass) {
    if (ipClass == u"B" && mask == u"255.255.0.0")
        return 16;
    if (ipClass == u"C" && mask == u"255.255.255.0")
        return 24;
    const std::optional<SubnetGroup> group = subnetGroup(mask, ipClass);
    if (!group)
        return 0;
    return group->bitsBefore + std::popcount(static_cast<unsigned>(group->value));
}

double hostsPerSegment(int prefixLength) {
    return std::ldexp(1.0, 32 - prefixLength) - 2;
}
