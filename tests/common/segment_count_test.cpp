// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/segment_count.h"

#include "class_letter.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using ::PrintTo;

struct CountCase {
    const char* name;
    const char* ipClass;
    int prefixLength;
    double segments; // -1: the mask does not fit the class
    double hosts;
    quint32 lowest;
};

class SegmentCountTable : public testing::TestWithParam<CountCase> {};

TEST_P(SegmentCountTable, CountsTheSegmentsAndTheirHosts) {
    const CountCase& c = GetParam();
    const std::optional<SegmentCount> count =
        countSegments(*SubnetMask::ofPrefixLength(c.prefixLength), classLetter(c.ipClass));
    if (c.segments < 0) {
        EXPECT_FALSE(count.has_value());
        return;
    }
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(count->segments(), c.segments);
    EXPECT_EQ(count->hosts, c.hosts);
    EXPECT_EQ(count->lowest, c.lowest);
}

// Written out by hand: 2^s - 2 segments of 2^h - 2 hosts, but for the whole
// network and a class C network in halves.
const CountCase countCases[] = {
    {"B_Whole", "B", 16, 1, 65534, 0},
    {"B_HalvesCountNone", "B", 17, 0, 32766, 1},
    {"B_Quarters", "B", 18, 2, 16382, 1},
    {"B_Slash19", "B", 19, 6, 8190, 1},
    {"B_Slash24", "B", 24, 254, 254, 1},
    {"B_Slash30", "B", 30, 16382, 2, 1},
    {"B_Slash31", "B", 31, 32766, 0, 1},
    {"C_Whole", "C", 24, 1, 254, 0},
    {"C_HalvesCountTwo", "C", 25, 2, 126, 0},
    {"C_Quarters", "C", 26, 2, 62, 1},
    {"C_Slash29", "C", 29, 30, 6, 1},
    {"C_Slash31", "C", 31, 126, 0, 1},
    {"C_ShorterThanTheClass", "C", 23, -1, 0, 0},
    {"B_ShorterThanTheClass", "B", 8, -1, 0, 0},
    {"B_SingleAddresses", "B", 32, -1, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Masks, SegmentCountTable, testing::ValuesIn(countCases), rowName);

} // namespace
