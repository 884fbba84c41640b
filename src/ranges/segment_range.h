// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"
#include "ranges/address_range.h"

#include <QString>
#include <optional>

// Where a segment's addresses lie, worked out from its number (see
// SegmentCount) and the mask's prefix length: the first assignable address is
// the one after the segment's own, the last the one before its broadcast
// address. Each answer is none for a mask that does not fit the class (see
// countSegments) or a number past the mask's last segment.

struct SegmentAddresses {
    // "None" to "None" for a segment of two addresses (a 31-bit mask), which
    // are only its own and its broadcast.
    AddressRange assignable;
    QString broadcast;
};

// The segment's own address, as its row shows it: segment 7 of /19 on "X.Y"
// is "X.Y.224.0".
std::optional<QString> segmentText(quint32 segment, SubnetMask mask, NetworkClass networkClass,
                                   const QString& netPattern);

std::optional<SegmentAddresses> segmentAddresses(quint32 segment, SubnetMask mask,
                                                 NetworkClass networkClass,
                                                 const QString& netPattern);

// The first and last assignable address alone: what a click on the row shows.
std::optional<AddressRange> segmentRange(quint32 segment, SubnetMask mask,
                                         NetworkClass networkClass, const QString& netPattern);
