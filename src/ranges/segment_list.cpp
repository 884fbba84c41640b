// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

#include "common/segment_count.h"
#include "ranges/segment_range.h"

SegmentListing listSegments(SubnetMask mask, NetworkClass networkClass, const QString& netPattern) {
    const std::optional<SegmentCount> count = countSegments(mask, networkClass);
    if (!count)
        return SegmentRows(); // never for a checked mask
    if (mask.prefixLength() == facts(networkClass).prefixLength)
        return segmentRange(0, mask, networkClass, netPattern).value_or(AddressRange{});
    SegmentRows rows;
    rows.reserve(qsizetype(count->segments()));
    for (quint32 segment = count->highest + 1; segment-- > count->lowest;)
        rows.append({segment, *segmentText(segment, mask, networkClass, netPattern)});
    return rows;
}
