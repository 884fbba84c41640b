// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_table.h"

#include "ranges/segment_range.h"

QString segmentTable(const SegmentRows& rows, SubnetMask mask, NetworkClass networkClass,
                     const QString& netPattern) {
    if (rows.isEmpty())
        return QString();
    const QChar tab = u'\t';
    QString table = QLatin1String(availableSegmentsCaption) + tab +
                    QLatin1String(startingAddressCaption) + tab +
                    QLatin1String(endingAddressCaption) + u'\n';
    table.reserve(table.size() + rows.size() * (3 * rows.front().text.size() + 3));
    for (const SegmentRow& row : rows) {
        const AddressRange range =
            segmentRange(row.segment, mask, networkClass, netPattern).value_or(AddressRange{});
        table += row.text;
        table += tab;
        table += range.start;
        table += tab;
        table += range.end;
        table += u'\n';
    }
    return table;
}
