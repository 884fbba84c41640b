// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What an accepted mask means, worked out from the accepted mask texts
// rather than from the rules under test.

#include "common/network_class.h"

#include <QString>
#include <QStringList>

#include <array>
#include <bit>

inline constexpr std::array<int, 7> partialGroupValues{128, 192, 224, 240, 248, 252, 254};

inline QString classPattern(NetworkClass ipClass) {
    return QString::fromLatin1(facts(ipClass).netPattern);
}

inline int networkBits(NetworkClass ipClass) {
    return ipClass == NetworkClass::C ? 24 : 16;
}

// The prefix length of a mask accepted for ipClass: the standard masks, a
// fourth group after "255.255.255.", or for class B a partial third group
// followed by "." and anything.
inline int acceptedPrefixLength(const QString& mask, NetworkClass ipClass) {
    if (mask == u"255.255.0.0")
        return 16;
    if (mask == u"255.255.255.0")
        return 24;
    for (int value : partialGroupValues) {
        if (mask == QStringLiteral("255.255.255.%1").arg(value))
            return 24 + std::popcount(unsigned(value));
        if (ipClass == NetworkClass::B && mask.startsWith(QStringLiteral("255.255.%1.").arg(value)))
            return 16 + std::popcount(unsigned(value));
    }
    return -1;
}

// An address on the pattern as its offset within the network: the last two
// groups for class B, the last group for class C; -1 for any other text.
inline int addressOffset(const QString& address, const QString& pattern, bool classC) {
    if (!address.startsWith(pattern + u'.'))
        return -1;
    const QStringList groups = address.sliced(pattern.size() + 1).split(u'.');
    if (groups.size() != (classC ? 1 : 2))
        return -1;
    int offset = 0;
    for (const QString& group : groups) {
        bool isNumber = false;
        const int value = group.toInt(&isNumber);
        if (!isNumber || value < 0 || value > 255 || group != QString::number(value))
            return -1;
        offset = offset * 256 + value;
    }
    return offset;
}
