// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The contrast rule against figures WCAG's own examples give.

#include "common/contrast.h"

#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using ::PrintTo;

struct ContrastCase {
    const char* name;
    QRgb a;
    QRgb b;
    double ratio;
    bool readable; // at 4.5:1
};

class Contrast : public testing::TestWithParam<ContrastCase> {};

TEST_P(Contrast, MatchesWcag) {
    const ContrastCase& row = GetParam();
    EXPECT_NEAR(contrastRatio(QColor(row.a), QColor(row.b)), row.ratio, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(row.b), QColor(row.a)), row.ratio, 0.005);
    EXPECT_EQ(readableOn(QColor(row.a), QColor(row.b)), row.readable);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Contrast,
    testing::Values(ContrastCase{"BlackOnWhite", 0x000000, 0xffffff, 21.0, true},
                    ContrastCase{"SameColour", 0x808080, 0x808080, 1.0, false},
                    ContrastCase{"LightestGreyReadableOnWhite", 0x767676, 0xffffff, 4.54, true},
                    ContrastCase{"OneStepLighterIsNot", 0x777777, 0xffffff, 4.48, false},
                    ContrastCase{"BlueOnWhite", 0x0000ff, 0xffffff, 8.59, true}),
    rowName);

} // namespace
