// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"
#include "ranges/address_range.h"

#include <QString>
#include <optional>

// Where a segment's addresses lie, worked out from the segment's own address
// and the mask's prefix length: the first assignable address is the one after
// the segment's own, the last the one before its broadcast address.
//
// segment is a row listSegments gave for the mask, class and netPattern, or
// the network's own address for a mask that does not split it. None for a
// text that is not the own address of a segment of that size.

struct SegmentAddresses {
    // "None" to "None" for a segment of two addresses (a 31-bit mask), which
    // are only its own and its broadcast.
    AddressRange assignable;
    QString broadcast;
};

std::optional<SegmentAddresses> segmentAddresses(const QString& segment, SubnetMask mask,
                                                 NetworkClass networkClass,
                                                 const QString& netPattern);

// The first and last assignable address alone: what a click on the row shows.
std::optional<AddressRange> segmentRange(const QString& segment, SubnetMask mask,
                                         NetworkClass networkClass, const QString& netPattern);
