// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_range.h"

#include "common/segment_count.h"
#include "ranges/network_addresses.h"

namespace {

// A segment as offsets in its class network: its own address and its
// broadcast address.
struct Bounds {
    int networkPrefix;
    quint32 own;
    quint32 broadcast;
};

std::optional<Bounds> segmentBounds(quint32 segment, SubnetMask mask, NetworkClass networkClass) {
    if (!countSegments(mask, networkClass))
        return std::nullopt;
    const int networkPrefix = facts(networkClass).prefixLength;
    const int sizeBits = SubnetMask::longestPrefix - mask.prefixLength();
    if (segment >> (mask.prefixLength() - networkPrefix) != 0)
        return std::nullopt;
    const quint32 own = segment << sizeBits;
    return Bounds{networkPrefix, own, own + (quint32{1} << sizeBits) - 1};
}

AddressRange assignable(const Bounds& bounds, const QString& netPattern) {
    // A 31-bit segment is only its own address and its broadcast.
    if (bounds.broadcast - bounds.own == 1)
        return {QStringLiteral("None"), QStringLiteral("None")};
    return {addressText(bounds.own + 1, bounds.networkPrefix, netPattern),
            addressText(bounds.broadcast - 1, bounds.networkPrefix, netPattern)};
}

} // namespace

std::optional<QString> segmentText(quint32 segment, SubnetMask mask, NetworkClass networkClass,
                                   const QString& netPattern) {
    const std::optional<Bounds> bounds = segmentBounds(segment, mask, networkClass);
    if (!bounds)
        return std::nullopt;
    return addressText(bounds->own, bounds->networkPrefix, netPattern);
}

std::optional<SegmentAddresses> segmentAddresses(quint32 segment, SubnetMask mask,
                                                 NetworkClass networkClass,
                                                 const QString& netPattern) {
    const std::optional<Bounds> bounds = segmentBounds(segment, mask, networkClass);
    if (!bounds)
        return std::nullopt;
    return SegmentAddresses{assignable(*bounds, netPattern),
                            addressText(bounds->broadcast, bounds->networkPrefix, netPattern)};
}

std::optional<AddressRange> segmentRange(quint32 segment, SubnetMask mask,
                                         NetworkClass networkClass, const QString& netPattern) {
    const std::optional<Bounds> bounds = segmentBounds(segment, mask, networkClass);
    if (!bounds)
        return std::nullopt;
    return assignable(*bounds, netPattern);
}
