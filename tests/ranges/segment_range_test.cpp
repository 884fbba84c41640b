// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"
#include "ranges/segment_range.h"

#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ::PrintTo;

struct RangeCase {
    const char* name;
    int k;
    const char16_t* row;
    const char16_t* above;
    const char16_t* mask;
    const char16_t* ipClass;
    const char16_t* netPattern;
    const char16_t* start;
    const char16_t* end;
};

class SegmentRangeTable : public testing::TestWithParam<RangeCase> {};

TEST_P(SegmentRangeTable, GivesStartAndEnd) {
    const RangeCase& c = GetParam();
    const std::optional<AddressRange> range = segmentRange(
        c.k, QString::fromUtf16(c.row), QString::fromUtf16(c.above), QString::fromUtf16(c.mask),
        QString::fromUtf16(c.ipClass), QString::fromUtf16(c.netPattern));
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->start, QString::fromUtf16(c.start));
    EXPECT_EQ(range->end, QString::fromUtf16(c.end));
}

const RangeCase rangeCases[] = {
    // Worked examples.
    {"C192_First", 0, u"X.Y.Z.128", u"", u"255.255.255.192", u"C", u"X.Y.Z", u"X.Y.Z.129",
     u"X.Y.Z.190"},
    {"C192_Second", 1, u"X.Y.Z.64", u"X.Y.Z.128", u"255.255.255.192", u"C", u"X.Y.Z", u"X.Y.Z.65",
     u"X.Y.Z.126"},
    {"B240_First", 0, u"X.Y.224.0", u"", u"255.255.240.0", u"B", u"X.Y", u"X.Y.224.1",
     u"X.Y.239.254"},
    {"B240_Second", 1, u"X.Y.208.0", u"X.Y.224.0", u"255.255.240.0", u"B", u"X.Y", u"X.Y.208.1",
     u"X.Y.223.254"},
    {"B240_Last", 13, u"X.Y.16.0", u"X.Y.32.0", u"255.255.240.0", u"B", u"X.Y", u"X.Y.16.1",
     u"X.Y.31.254"},
    // Block 1: the row above yields "2.0", which reads as 2.
    {"B255_First", 0, u"X.Y.254.0", u"", u"255.255.255.192", u"B", u"X.Y", u"X.Y.254.1",
     u"X.Y.254.254"},
    {"B255_Last", 253, u"X.Y.1.0", u"X.Y.2.0", u"255.255.255.192", u"B", u"X.Y", u"X.Y.1.1",
     u"X.Y.1.254"},
    {"B254_First", 0, u"X.Y.252.0", u"", u"255.255.254.0", u"B", u"X.Y", u"X.Y.252.1",
     u"X.Y.253.254"},
    // Only the third group of the mask counts for the first row.
    {"B192_FourthGroupIgnored", 0, u"X.Y.128.0", u"", u"255.255.192.77", u"B", u"X.Y", u"X.Y.128.1",
     u"X.Y.191.254"},
    {"C252_First", 0, u"X.Y.Z.248", u"", u"255.255.255.252", u"C", u"X.Y.Z", u"X.Y.Z.249",
     u"X.Y.Z.250"},
    // Block 2 leaves no address between a segment's own and its broadcast.
    {"C254_First", 0, u"X.Y.Z.252", u"", u"255.255.255.254", u"C", u"X.Y.Z", u"None", u"None"},
    {"C254_Last", 125, u"X.Y.Z.2", u"X.Y.Z.4", u"255.255.255.254", u"C", u"X.Y.Z", u"None",
     u"None"},
    {"B_OtherPattern", 1, u"P.Q.64.0", u"P.Q.128.0", u"255.255.192.0", u"B", u"P.Q", u"P.Q.64.1",
     u"P.Q.127.254"},
    {"C_LongerPattern", 1, u"A.BB.C.64", u"A.BB.C.128", u"255.255.255.192", u"C", u"A.BB.C",
     u"A.BB.C.65", u"A.BB.C.126"},
};
INSTANTIATE_TEST_SUITE_P(Rows, SegmentRangeTable, testing::ValuesIn(rangeCases), rowName);

TEST(SegmentRange, OtherClassGivesNothing) {
    EXPECT_FALSE(segmentRange(0, QStringLiteral("X.Y.128.0"), {}, QStringLiteral("255.255.192.0"),
                              QStringLiteral("A"), QStringLiteral("X.Y"))
                     .has_value());
    EXPECT_FALSE(
        segmentRange(0, QStringLiteral("X.Y.128.0"), {}, QStringLiteral("255.255.192.0"), {}, {})
            .has_value());
}

// The range of segment n with block b: from the address after the segment's
// own to the one before its broadcast address, n + b - 1 being the broadcast
// group in class B and the broadcast value plus one in class C.
AddressRange expectedRange(const QString& ipClass, int n, int block) {
    if (ipClass == u"B")
        return {QStringLiteral("X.Y.%1.1").arg(n), QStringLiteral("X.Y.%1.254").arg(n + block - 1)};
    const int first = n + 1;
    const int last = n + block - 2;
    if (first > last)
        return {QStringLiteral("None"), QStringLiteral("None")};
    return {QStringLiteral("X.Y.Z.%1").arg(first), QStringLiteral("X.Y.Z.%1").arg(last)};
}

struct SweptMask {
    QString ipClass;
    QString mask;
    int block; // of the group that carries the subnet bits
};

std::vector<SweptMask> everyListedMask() {
    std::vector<SweptMask> masks;
    for (int group : {128, 192, 224, 240, 248, 252, 254}) {
        masks.push_back(
            {QStringLiteral("B"), QStringLiteral("255.255.%1.0").arg(group), 256 - group});
        masks.push_back({QStringLiteral("B"), QStringLiteral("255.255.255.%1").arg(group), 1});
        masks.push_back(
            {QStringLiteral("C"), QStringLiteral("255.255.255.%1").arg(group), 256 - group});
    }
    return masks;
}

TEST(SegmentRange, EveryRowOfEveryMaskSpansItsSegment) {
    for (const SweptMask& swept : everyListedMask()) {
        SCOPED_TRACE(swept.mask.toStdString() + " class " + swept.ipClass.toStdString());
        const QString pattern =
            swept.ipClass == u"B" ? QStringLiteral("X.Y") : QStringLiteral("X.Y.Z");
        const QStringList rows =
            std::get<QStringList>(listSegments(swept.mask, swept.ipClass, pattern));
        EXPECT_EQ(rows.size(), 256 / swept.block - 2);
        for (int k = 0; k < rows.size(); ++k) {
            SCOPED_TRACE(rows[k].toStdString());
            const int n =
                rows[k].section(u'.', pattern.count(u'.') + 1, pattern.count(u'.') + 1).toInt();
            const std::optional<AddressRange> range = segmentRange(
                k, rows[k], k > 0 ? rows[k - 1] : QString(), swept.mask, swept.ipClass, pattern);
            ASSERT_TRUE(range.has_value());
            const AddressRange expected = expectedRange(swept.ipClass, n, swept.block);
            EXPECT_EQ(range->start, expected.start);
            EXPECT_EQ(range->end, expected.end);
        }
    }
}

} // namespace
