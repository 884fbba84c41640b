// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/subnet_mask.h"

#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using ::PrintTo;

struct LengthCase {
    const char* name;
    int prefixLength;
    const char* dotted;
};

class SubnetMaskTable : public testing::TestWithParam<LengthCase> {};

TEST_P(SubnetMaskTable, KnowsItsLengthAndItsText) {
    const LengthCase& c = GetParam();
    const std::optional<SubnetMask> mask = SubnetMask::ofPrefixLength(c.prefixLength);
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->prefixLength(), c.prefixLength);
    EXPECT_EQ(mask->dotted(), QString::fromLatin1(c.dotted));
}

// Written out by hand, not worked out from bits as the type does.
const LengthCase lengthCases[] = {
    {"Slash0", 0, "0.0.0.0"},           {"Slash1", 1, "128.0.0.0"},
    {"Slash2", 2, "192.0.0.0"},         {"Slash3", 3, "224.0.0.0"},
    {"Slash4", 4, "240.0.0.0"},         {"Slash5", 5, "248.0.0.0"},
    {"Slash6", 6, "252.0.0.0"},         {"Slash7", 7, "254.0.0.0"},
    {"Slash8", 8, "255.0.0.0"},         {"Slash9", 9, "255.128.0.0"},
    {"Slash10", 10, "255.192.0.0"},     {"Slash11", 11, "255.224.0.0"},
    {"Slash12", 12, "255.240.0.0"},     {"Slash13", 13, "255.248.0.0"},
    {"Slash14", 14, "255.252.0.0"},     {"Slash15", 15, "255.254.0.0"},
    {"Slash16", 16, "255.255.0.0"},     {"Slash17", 17, "255.255.128.0"},
    {"Slash18", 18, "255.255.192.0"},   {"Slash19", 19, "255.255.224.0"},
    {"Slash20", 20, "255.255.240.0"},   {"Slash21", 21, "255.255.248.0"},
    {"Slash22", 22, "255.255.252.0"},   {"Slash23", 23, "255.255.254.0"},
    {"Slash24", 24, "255.255.255.0"},   {"Slash25", 25, "255.255.255.128"},
    {"Slash26", 26, "255.255.255.192"}, {"Slash27", 27, "255.255.255.224"},
    {"Slash28", 28, "255.255.255.240"}, {"Slash29", 29, "255.255.255.248"},
    {"Slash30", 30, "255.255.255.252"}, {"Slash31", 31, "255.255.255.254"},
    {"Slash32", 32, "255.255.255.255"},
};
INSTANTIATE_TEST_SUITE_P(EveryLength, SubnetMaskTable, testing::ValuesIn(lengthCases), rowName);

TEST(SubnetMask, NoMaskOutsideZeroTo32) {
    for (int length : {-1, 33, 64})
        EXPECT_FALSE(SubnetMask::ofPrefixLength(length).has_value()) << length;
}

} // namespace
