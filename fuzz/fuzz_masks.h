// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What an accepted mask means, worked out from the accepted mask texts
// rather than from the rules under test.

#include <QString>

#include <array>

inline constexpr std::array<int, 7> partialGroupValues{128, 192, 224, 240, 248, 252, 254};

inline QString classPattern(const QString& ipClass) {
    return ipClass == u"C" ? QStringLiteral("X.Y.Z") : QStringLiteral("X.Y");
}

// The value of the group that carries the subnet bits of a mask accepted for
// ipClass and not one of the standard masks: for class B the partial third
// group ("255.255.192." and anything), or 255 when the third group is 255;
// for class C the fourth group.
inline int subnetGroupValue(const QString& mask, const QString& ipClass) {
    const QString partialAt =
        ipClass == u"C" ? QStringLiteral("255.255.255.%1") : QStringLiteral("255.255.%1.");
    for (int value : partialGroupValues) {
        const QString form = partialAt.arg(value);
        if (ipClass == u"C" ? mask == form : mask.startsWith(form))
            return value;
    }
    return 255;
}
