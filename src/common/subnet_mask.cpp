// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/subnet_mask.h"

std::optional<SubnetMask> SubnetMask::ofPrefixLength(int length) {
    if (length < 0 || length > longestPrefix)
        return std::nullopt;
    return SubnetMask(length);
}

QString SubnetMask::group(int index) const {
    // The one-bits that fall into this group, clamped to its 8.
    const int ones = qBound(0, prefixLength_ - groupBits * index, groupBits);
    const quint32 value = (0xffu << (groupBits - ones)) & 0xffu;
    return QString::number(value);
}

QString SubnetMask::dotted() const {
    QString text = group(0);
    for (int index = 1; index < groupCount; ++index)
        text += u'.' + group(index);
    return text;
}
