// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_range.h"

#include "ranges/network_addresses.h"

namespace {

// A segment as offsets in its class network: its own address and its
// broadcast address.
struct Bounds {
    int networkPrefix;
    quint32 own;
    quint32 broadcast;
};

std::optional<Bounds> segmentBounds(const QString& segment, SubnetMask mask,
                                    NetworkClass networkClass, const QString& netPattern) {
    const int networkPrefix = facts(networkClass).prefixLength;
    const int prefix = mask.prefixLength();
    if (prefix < networkPrefix || prefix >= SubnetMask::longestPrefix)
        return std::nullopt;
    const std::optional<quint32> own = addressOffset(segment, networkPrefix, netPattern);
    const quint32 size = quint32{1} << (SubnetMask::longestPrefix - prefix);
    // The range is worked out from the segment's own address, not read off
    // the row above as the list's order would allow: so a row means the same
    // wherever it stands, and an address inside a segment, which names none,
    // is told apart.
    if (!own || *own % size != 0)
        return std::nullopt;
    return Bounds{networkPrefix, *own, *own + size - 1};
}

AddressRange assignable(const Bounds& bounds, const QString& netPattern) {
    // A 31-bit segment is only its own address and its broadcast.
    if (bounds.broadcast - bounds.own == 1)
        return {QStringLiteral("None"), QStringLiteral("None")};
    return {addressText(bounds.own + 1, bounds.networkPrefix, netPattern),
            addressText(bounds.broadcast - 1, bounds.networkPrefix, netPattern)};
}

} // namespace

std::optional<SegmentAddresses> segmentAddresses(const QString& segment, SubnetMask mask,
                                                 NetworkClass networkClass,
                                                 const QString& netPattern) {
    const std::optional<Bounds> bounds = segmentBounds(segment, mask, networkClass, netPattern);
    if (!bounds)
        return std::nullopt;
    return SegmentAddresses{assignable(*bounds, netPattern),
                            addressText(bounds->broadcast, bounds->networkPrefix, netPattern)};
}

std::optional<AddressRange> segmentRange(const QString& segment, SubnetMask mask,
                                         NetworkClass networkClass, const QString& netPattern) {
    const std::optional<Bounds> bounds = segmentBounds(segment, mask, networkClass, netPattern);
    if (!bounds)
        return std::nullopt;
    return assignable(*bounds, netPattern);
}
