// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/mask_table.h"

#include "discovery/discover_mask.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

// The dotted form of the mask of prefix length 16 + maskBits, worked out
// from the bits rather than read from a table.
QString dottedMask(int maskBits) {
    const quint32 bits = ~quint32{0} << (16 - maskBits);
    return QStringLiteral("255.255.%1.%2").arg((bits >> 8) & 0xff).arg(bits & 0xff);
}

TEST(MaskText, EveryBitCountGivesItsMask) {
    for (int maskBits = 1; maskBits <= 16; ++maskBits)
        EXPECT_EQ(maskText(maskBits), dottedMask(maskBits)) << maskBits;
}

TEST(MaskText, CountsOutsideTheTableGiveNoMask) {
    for (int maskBits : {-1, 0, 17})
        EXPECT_EQ(maskText(maskBits), noMaskFits) << maskBits;
}

TEST(PrefixLength, ReadsBackEveryMaskDiscoverMaskGives) {
    for (int maskBits = 1; maskBits <= 16; ++maskBits)
        EXPECT_EQ(prefixLength(maskText(maskBits)), 16 + maskBits) << maskBits;
    EXPECT_EQ(prefixLength(QStringLiteral("255.255.0.0")), 16);
    EXPECT_EQ(prefixLength(noMaskFits), 0);
}

} // namespace
