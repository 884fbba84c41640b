// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_table.h"

#include "ranges/segment_range.h"

QString segmentTable(const QStringList& header, const QStringList& rows, const QString& mask,
                     const QString& ipClass, const QString& netPattern) {
    const QChar tab = u'\t';
    QString table = header.join(tab) + u'\n';
    for (int k = 0; k < rows.size(); ++k) {
        const QString above = k > 0 ? rows[k - 1] : QString();
        const AddressRange range =
            segmentRange(k, rows[k], above, mask, ipClass, netPattern).value_or(AddressRange{});
        table += rows[k] + tab + range.start + tab + range.end + u'\n';
    }
    return table;
}
