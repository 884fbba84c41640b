// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/range_information.h"

#include "ranges/mask_check.h"
#include "ranges/segment_list.h"

RangeInformation rangeInformation(const QString& mask, NetworkClass networkClass,
                                  const QString& netPattern) {
    if (const std::optional<Refusal> refusal = maskRefusal(checkMask(mask, networkClass)))
        return *refusal;
    SegmentListing listing = listSegments(mask, networkClass, netPattern);
    if (auto* rows = std::get_if<QStringList>(&listing))
        return std::move(*rows);
    return std::get<AddressRange>(listing);
}
