// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_table.h"

#include "ranges/segment_range.h"

QString segmentTable(const QStringList& rows, SubnetMask mask, NetworkClass networkClass,
                     const QString& netPattern) {
    if (rows.isEmpty())
        return QString();
    const QChar tab = u'\t';
    QString table = QLatin1String(availableSegmentsCaption) + tab +
                    QLatin1String(startingAddressCaption) + tab +
                    QLatin1String(endingAddressCaption) + u'\n';
    table.reserve(table.size() + rows.size() * (3 * rows.front().size() + 3));
    for (const QString& row : rows) {
        const AddressRange range =
            segmentRange(row, mask, networkClass, netPattern).value_or(AddressRange{});
        table += row;
        table += tab;
        table += range.start;
        table += tab;
        table += range.end;
        table += u'\n';
    }
    return table;
}
