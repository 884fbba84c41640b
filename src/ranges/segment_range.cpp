// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_range.h"

#include "common/number_text.h"

namespace {

AddressRange classBRange(int k, const QString& row, const QString& above, const QString& mask,
                         const QString& netPattern) {
    QString start = row;
    start.chop(1);
    start += u'1';
    // The third group of the row above, or of the mask for the first row; up
    // to three characters, so "32." stands for 32.
    QString next;
    if (k == 0) {
        next = mask.mid(8, 3);
    } else {
        const qsizetype firstDot = above.indexOf(u'.');
        const qsizetype secondDot = above.indexOf(u'.', firstDot + 1);
        next = above.mid(secondDot + 1, 3);
    }
    const double lastGroup = leadingNumber(next) - 1;
    return {start, netPattern + u'.' + numberText(lastGroup) + QStringLiteral(".254")};
}

AddressRange classCRange(int k, const QString& row, const QString& above, const QString& mask,
                         const QString& netPattern) {
    const auto segmentNumber = [&](const QString& rowText) {
        return leadingNumber(rowText.right(rowText.size() - (netPattern.size() + 1)));
    };
    const double first = segmentNumber(row) + 1;
    const double last = (k == 0 ? leadingNumber(mask.right(3)) : segmentNumber(above)) - 2;
    // With a block of 2 a segment is only its own address and its broadcast.
    if (first > last)
        return {QStringLiteral("None"), QStringLiteral("None")};
    return {netPattern + u'.' + numberText(first), netPattern + u'.' + numberText(last)};
}

} // namespace

std::optional<AddressRange> segmentRange(int k, const QString& row, const QString& above,
                                         const QString& mask, const QString& ipClass,
                                         const QString& netPattern) {
    if (ipClass == u"B")
        return classBRange(k, row, above, mask, netPattern);
    if (ipClass == u"C")
        return classCRange(k, row, above, mask, netPattern);
    return std::nullopt;
}

std::optional<AddressRange> rowRange(const QStringList& rows, int k, const QString& mask,
                                     const QString& ipClass, const QString& netPattern) {
    const QString above = k > 0 ? rows[k - 1] : QString();
    return segmentRange(k, rows[k], above, mask, ipClass, netPattern);
}

QString broadcastAddress(const QString& end) {
    const qsizetype lastDot = end.lastIndexOf(u'.');
    const std::optional<double> lastGroup = readDecimal(end.sliced(lastDot + 1));
    if (lastDot < 0 || !lastGroup)
        return QString();
    return end.left(lastDot + 1) + numberText(*lastGroup + 1);
}
