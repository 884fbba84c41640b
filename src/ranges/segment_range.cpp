// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_range.h"

#include "ranges/network_addresses.h"
#include "ranges/segment_list.h"

std::optional<SegmentAddresses> segmentAddresses(const QString& segment, const QString& mask,
                                                 const QString& ipClass,
                                                 const QString& netPattern) {
    const int networkPrefix = networkPrefixLength(ipClass);
    const int prefix = maskPrefixLength(mask);
    if (networkPrefix == 0 || prefix < networkPrefix || prefix > 31)
        return std::nullopt;
    const std::optional<quint32> own = addressOffset(segment, networkPrefix, netPattern);
    const quint32 size = quint32{1} << (32 - prefix);
    if (!own || *own % size != 0)
        return std::nullopt;
    const quint32 broadcast = *own + size - 1;
    const auto address = [&](quint32 offset) {
        return addressText(offset, networkPrefix, netPattern);
    };
    if (size == 2)
        return SegmentAddresses{{QStringLiteral("None"), QStringLiteral("None")},
                                address(broadcast)};
    return SegmentAddresses{{address(*own + 1), address(broadcast - 1)}, address(broadcast)};
}

std::optional<AddressRange> segmentRange(const QString& segment, const QString& mask,
                                         const QString& ipClass, const QString& netPattern) {
    const std::optional<SegmentAddresses> addresses =
        segmentAddresses(segment, mask, ipClass, netPattern);
    if (!addresses)
        return std::nullopt;
    return addresses->assignable;
}
