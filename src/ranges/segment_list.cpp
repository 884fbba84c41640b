// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

namespace {

// groupValue: the value of the mask group that carries the subnet bits.
QStringList segmentRows(int groupValue, const QString& prefix, const QString& suffix) {
    const int block = 256 - groupValue;
    QStringList rows;
    if (block < 1) // never for a checked mask; guards the loop all the same
        return rows;
    for (int n = groupValue - block; n >= block; n -= block)
        rows.append(prefix + QString::number(n) + suffix);
    return rows;
}

} // namespace

SegmentListing listSegments(const QString& mask, const QString& ipClass,
                            const QString& netPattern) {
    const QString prefix = netPattern + u'.';
    if (ipClass == u"B" && mask == u"255.255.0.0")
        return AddressRange{prefix + QStringLiteral("1.1"), prefix + QStringLiteral("254.254")};
    if (ipClass == u"C" && mask == u"255.255.255.0")
        return AddressRange{prefix + QStringLiteral("1"), prefix + QStringLiteral("254")};
    if (ipClass == u"B" && mask == u"255.255.255.0")
        return classMismatchRefusal;
    // An accepted mask holds three digits at these places. For class B only
    // the third group counts: 255.255.255.192 lists the 254 third-group values.
    if (ipClass == u"B")
        return segmentRows(QStringView(mask).mid(8, 3).toInt(), prefix, QStringLiteral(".0"));
    if (ipClass == u"C")
        return segmentRows(QStringView(mask).right(3).toInt(), prefix, QString());
    return QStringList();
}
