// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/discover_mask.h"

#include "class_letter.h"
#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* mask;
    double segments;
    double hosts;
};

constexpr Expected none{"-1", 0, 0};

// One row of the published answers: every whole request from `from` to `to`
// gives the same mask and counts.
struct Band {
    int from;
    int to;
    Expected expected;
};

void expectResult(const MaskResult& result, const Expected& expected, const QString& request) {
    SCOPED_TRACE(request.toStdString());
    EXPECT_EQ(result.Mask(), QString::fromLatin1(expected.mask));
    if (result.Mask() != noMaskFits && QString::fromLatin1(expected.mask) != noMaskFits) {
        EXPECT_EQ(result.Segments, expected.segments);
        EXPECT_EQ(result.Hosts, expected.hosts);
    }
}

// Checks every whole request of each band, asked as subnets or nodes.
void expectBands(const std::vector<Band>& bands, const char* ipClass, bool asNodes) {
    for (const Band& band : bands) {
        for (int value = band.from; value <= band.to; ++value) {
            const QString text = QString::number(value);
            const MaskResult result = asNodes ? DiscoverMask({}, text, classLetter(ipClass))
                                              : DiscoverMask(text, {}, classLetter(ipClass));
            expectResult(
                result, band.expected,
                QStringLiteral("%1 %2 %3").arg(ipClass, asNodes ? "nodes" : "subnets", text));
        }
    }
}

TEST(DiscoverMask, ClassBSubnetsFollowTheTable) {
    expectBands({{0, 0, none},
                 {1, 1, {"255.255.0.0", 1, 65534}},
                 {2, 2, {"255.255.192.0", 2, 16382}},
                 {3, 6, {"255.255.224.0", 6, 8190}},
                 {7, 14, {"255.255.240.0", 14, 4094}},
                 {15, 30, {"255.255.248.0", 30, 2046}},
                 {31, 62, {"255.255.252.0", 62, 1022}},
                 {63, 126, {"255.255.254.0", 126, 510}},
                 {127, 254, {"255.255.255.0", 254, 254}},
                 {255, 510, {"255.255.255.128", 510, 126}},
                 {511, 1022, {"255.255.255.192", 1022, 62}},
                 {1023, 2046, {"255.255.255.224", 2046, 30}},
                 {2047, 4094, {"255.255.255.240", 4094, 14}},
                 {4095, 8190, {"255.255.255.248", 8190, 6}},
                 {8191, 16382, {"255.255.255.252", 16382, 2}},
                 {16383, 16385, none},
                 {100000, 100000, none}},
                "B", false);
}

TEST(DiscoverMask, ClassBNodesFollowTheTable) {
    expectBands({{0, 4, none},
                 {5, 6, {"255.255.255.248", 8190, 6}},
                 {7, 14, {"255.255.255.240", 4094, 14}},
                 {15, 30, {"255.255.255.224", 2046, 30}},
                 {31, 62, {"255.255.255.192", 1022, 62}},
                 {63, 126, {"255.255.255.128", 510, 126}},
                 {127, 254, {"255.255.255.0", 254, 254}},
                 {255, 510, {"255.255.254.0", 126, 510}},
                 {511, 1022, {"255.255.252.0", 62, 1022}},
                 {1023, 2046, {"255.255.248.0", 30, 2046}},
                 {2047, 4094, {"255.255.240.0", 14, 4094}},
                 {4095, 8190, {"255.255.224.0", 6, 8190}},
                 {8191, 16382, {"255.255.192.0", 2, 16382}},
                 {16383, 65535, none}},
                "B", true);
}

TEST(DiscoverMask, ClassCSubnetsFollowTheTable) {
    expectBands({{0, 0, none},
                 {1, 1, {"255.255.255.0", 1, 254}},
                 {2, 2, {"255.255.255.128", 2, 126}},
                 {3, 6, {"255.255.255.224", 6, 30}},
                 {7, 14, {"255.255.255.240", 14, 14}},
                 {15, 30, {"255.255.255.248", 30, 6}},
                 {31, 254, none},
                 {255, 300, none}},
                "C", false);
}

// 31 to 62 nodes take the closest mask that holds them; 127 to 254 the
// unsplit network, reported as the single-subnet answer reports it.
TEST(DiscoverMask, ClassCNodesFollowTheTable) {
    expectBands({{0, 4, none},
                 {5, 6, {"255.255.255.248", 30, 6}},
                 {7, 14, {"255.255.255.240", 14, 14}},
                 {15, 30, {"255.255.255.224", 6, 30}},
                 {31, 62, {"255.255.255.192", 2, 62}},
                 {63, 126, {"255.255.255.128", 2, 126}},
                 {127, 254, {"255.255.255.0", 1, 254}},
                 {255, 1000, none}},
                "C", true);
}

struct Request {
    const char* name;
    const char* subnets;
    const char* nodes;
    const char* ipClass;
    Expected expected;
};

using ::PrintTo;

class DiscoverMaskRequest : public ::testing::TestWithParam<Request> {};

TEST_P(DiscoverMaskRequest, GivesTheClosestMask) {
    const Request& request = GetParam();
    expectResult(DiscoverMask(QString::fromUtf8(request.subnets), QString::fromUtf8(request.nodes),
                              classLetter(request.ipClass)),
                 request.expected, QString::fromUtf8(request.name));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BothInputs, DiscoverMaskRequest, ::testing::Values(
    Request{"single_subnet_skips_nodes",     "1",     "9999",  "B", {"255.255.0.0", 1, 65534}},
    Request{"single_subnet_skips_bad_nodes", "1",     "x",     "B", {"255.255.0.0", 1, 65534}},
    Request{"nodes_replace_subnets",         "5",     "100",   "B", {"255.255.255.128", 510, 126}},
    Request{"subnets_stand_without_range",   "5",     "20000", "B", {"255.255.224.0", 6, 8190}},
    Request{"too_few_nodes_fail_all",        "5",     "3",     "B", none},
    Request{"too_many_subnets_end_early",    "20000", "100",   "B", none},
    Request{"nodes_rescue_failed_subnets",   "40",    "100",   "C", {"255.255.255.128", 2, 126}},
    Request{"both_empty",                    "",      "",      "B", none},
    Request{"subnets_at_pretest_bound",      "16383", "",      "B", none},
    Request{"subnets_at_limit",              "16384", "",      "B", none},
    Request{"no_subnet_range_no_nodes",      "16383", "70000", "B", none}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Numbers, DiscoverMaskRequest, ::testing::Values(
    Request{"leading_zeros",          "007",   "",      "B", {"255.255.240.0", 14, 4094}},
    Request{"fraction_takes_later",   "2.5",   "",      "B", {"255.255.224.0", 6, 8190}},
    Request{"trailing_point",         "6.",    "",      "B", {"255.255.224.0", 6, 8190}},
    Request{"leading_point",          ".5",    "",      "B", none},
    Request{"fraction_one_bit_split", "1.5",   "",      "C", {"255.255.255.128", 2, 126}},
    Request{"nodes_just_below_five",  "",      "4.99",  "C", none},
    Request{"nodes_with_zeros",       "",      "0005",  "C", {"255.255.255.248", 30, 6}}),
    rowName);

// A fraction just below a class's last range bound also passes that range;
// the mask it reaches there would leave no host per segment or no segment.
INSTANTIATE_TEST_SUITE_P(EmptyMasks, DiscoverMaskRequest, ::testing::Values(
    Request{"subnets_below_boundary",  "16381.5",   "",        "B", {"255.255.255.252", 16382, 2}},
    Request{"subnets_past_boundary",   "16382.5",   "",        "B", none},
    Request{"subnets_just_past",       "16382.001", "",        "B", none},
    Request{"nodes_below_boundary",    "",          "16381.5", "B", {"255.255.192.0", 2, 16382}},
    Request{"nodes_past_boundary",     "",          "16382.5", "B", none},
    Request{"empty_subnets_nodes_stand", "16382.5", "20000",   "B", none},
    Request{"nodes_replace_empty",     "16382.5",   "100",     "B", {"255.255.255.128", 510, 126}},
    Request{"empty_nodes_replace",     "5",         "16382.5", "B", none},
    Request{"c_subnets_fraction",      "2.5",       "",        "C", {"255.255.255.224", 6, 30}},
    Request{"c_nodes_one_bit_split",   "",          "62.5",    "C", {"255.255.255.128", 2, 126}},
    Request{"c_nodes_unsplit",         "",          "126.5",   "C", {"255.255.255.0", 1, 254}},
    Request{"c_both_unsplit",          "2.5",       "253.5",   "C", {"255.255.255.0", 1, 254}}),
    rowName);

INSTANTIATE_TEST_SUITE_P(PastedText, DiscoverMaskRequest, ::testing::Values(
    Request{"blank_around_digits", " 6",        "",    "B", none},
    Request{"trailing_blank",      "6 ",        "",    "B", none},
    Request{"plus_sign",           "+6",        "",    "B", none},
    Request{"minus_sign",          "-6",        "",    "B", none},
    Request{"exponent",            "6e0",       "",    "B", none},
    Request{"hex",                 "0x6",       "",    "B", none},
    Request{"letters",             "six",       "",    "B", none},
    Request{"lone_point",          ".",         "",    "B", none},
    Request{"two_points",          "1.2.3",     "",    "B", none},
    Request{"comma_decimal",       "2,5",       "",    "B", none},
    Request{"arabic_indic_six",    "\u0666",    "",    "B", none},
    Request{"fullwidth_six",       "\uFF16",    "",    "B", none},
    Request{"infinity_word",       "inf",       "",    "B", none},
    Request{"bad_nodes",           "",          "1x0", "B", none},
    Request{"bad_nodes_after_ok",  "6",         "--",  "B", none}),
    rowName);
// clang-format on

TEST(DiscoverMask, DigitStringsBeyondADoubleFail) {
    const QString huge(400, u'9');
    EXPECT_EQ(DiscoverMask(huge, {}, NetworkClass::B).Mask(), noMaskFits);
    EXPECT_EQ(DiscoverMask({}, huge, NetworkClass::C).Mask(), noMaskFits);
    EXPECT_EQ(DiscoverMask(QString(100000, u'1'), {}, NetworkClass::B).Mask(), noMaskFits);
}

} // namespace
