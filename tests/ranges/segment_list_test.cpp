// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"
#include "ranges/segment_range.h"

#include "accepted_mask.h"
#include "class_letter.h"
#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using ::PrintTo;

QString patternOf(const QString& ipClass) {
    return ipClass == u"B" ? QStringLiteral("X.Y") : QStringLiteral("X.Y.Z");
}

SegmentRows listedRows(const QString& mask, const QString& ipClass, const QString& netPattern) {
    const SegmentListing listing =
        listSegments(acceptedMask(mask, classLetter(ipClass)), classLetter(ipClass), netPattern);
    EXPECT_TRUE(std::holds_alternative<SegmentRows>(listing));
    const auto* rows = std::get_if<SegmentRows>(&listing);
    return rows ? *rows : SegmentRows();
}

// The rows' texts, top to bottom.
QStringList rowsOf(const QString& mask, const QString& ipClass, const QString& netPattern) {
    QStringList texts;
    for (const SegmentRow& row : listedRows(mask, ipClass, netPattern))
        texts.append(row.text);
    return texts;
}

// A listed row and the range a click on it shows.
struct Row {
    const char16_t* segment;
    const char16_t* start;
    const char16_t* end;
};

struct ListingCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    int rowCount;
    int middle; // the index of `middleRow`
    Row first;  // the rows are unused when rowCount is 0
    Row middleRow;
    Row last;
};

class SegmentListTable : public testing::TestWithParam<ListingCase> {};

void expectRow(const SegmentRows& rows, int k, const Row& expected, const QString& mask,
               const QString& ipClass) {
    ASSERT_LT(k, rows.size());
    EXPECT_EQ(rows[k].text, QString::fromUtf16(expected.segment)) << "row " << k;
    const std::optional<AddressRange> range =
        segmentRange(rows[k].segment, acceptedMask(mask, classLetter(ipClass)),
                     classLetter(ipClass), patternOf(ipClass));
    ASSERT_TRUE(range.has_value()) << "row " << k;
    EXPECT_EQ(range->start, QString::fromUtf16(expected.start)) << "row " << k;
    EXPECT_EQ(range->end, QString::fromUtf16(expected.end)) << "row " << k;
}

TEST_P(SegmentListTable, ListsRowsWithTheirRanges) {
    const ListingCase& c = GetParam();
    const QString mask = QString::fromUtf16(c.mask);
    const QString ipClass = QString::fromUtf16(c.ipClass);
    const SegmentRows rows = listedRows(mask, ipClass, patternOf(ipClass));
    ASSERT_EQ(rows.size(), c.rowCount);
    if (c.rowCount == 0)
        return;
    expectRow(rows, 0, c.first, mask, ipClass);
    expectRow(rows, c.middle, c.middleRow, mask, ipClass);
    expectRow(rows, c.rowCount - 1, c.last, mask, ipClass);
}

// Every shape of mask the check accepts but the two that do not split the
// network, worked out independently of the rules.
const ListingCase listingCases[] = {
    {"B_128_0", u"255.255.128.0", u"B", 0, 0, {}, {}, {}},
    {"B_192_0",
     u"255.255.192.0",
     u"B",
     2,
     1,
     {u"X.Y.128.0", u"X.Y.128.1", u"X.Y.191.254"},
     {u"X.Y.64.0", u"X.Y.64.1", u"X.Y.127.254"},
     {u"X.Y.64.0", u"X.Y.64.1", u"X.Y.127.254"}},
    {"B_224_0",
     u"255.255.224.0",
     u"B",
     6,
     3,
     {u"X.Y.192.0", u"X.Y.192.1", u"X.Y.223.254"},
     {u"X.Y.96.0", u"X.Y.96.1", u"X.Y.127.254"},
     {u"X.Y.32.0", u"X.Y.32.1", u"X.Y.63.254"}},
    {"B_240_0",
     u"255.255.240.0",
     u"B",
     14,
     7,
     {u"X.Y.224.0", u"X.Y.224.1", u"X.Y.239.254"},
     {u"X.Y.112.0", u"X.Y.112.1", u"X.Y.127.254"},
     {u"X.Y.16.0", u"X.Y.16.1", u"X.Y.31.254"}},
    {"B_248_0",
     u"255.255.248.0",
     u"B",
     30,
     15,
     {u"X.Y.240.0", u"X.Y.240.1", u"X.Y.247.254"},
     {u"X.Y.120.0", u"X.Y.120.1", u"X.Y.127.254"},
     {u"X.Y.8.0", u"X.Y.8.1", u"X.Y.15.254"}},
    {"B_252_0",
     u"255.255.252.0",
     u"B",
     62,
     31,
     {u"X.Y.248.0", u"X.Y.248.1", u"X.Y.251.254"},
     {u"X.Y.124.0", u"X.Y.124.1", u"X.Y.127.254"},
     {u"X.Y.4.0", u"X.Y.4.1", u"X.Y.7.254"}},
    {"B_254_0",
     u"255.255.254.0",
     u"B",
     126,
     63,
     {u"X.Y.252.0", u"X.Y.252.1", u"X.Y.253.254"},
     {u"X.Y.126.0", u"X.Y.126.1", u"X.Y.127.254"},
     {u"X.Y.2.0", u"X.Y.2.1", u"X.Y.3.254"}},
    {"B_255_0",
     u"255.255.255.0",
     u"B",
     254,
     127,
     {u"X.Y.254.0", u"X.Y.254.1", u"X.Y.254.254"},
     {u"X.Y.127.0", u"X.Y.127.1", u"X.Y.127.254"},
     {u"X.Y.1.0", u"X.Y.1.1", u"X.Y.1.254"}},
    {"B_255_128",
     u"255.255.255.128",
     u"B",
     510,
     255,
     {u"X.Y.255.0", u"X.Y.255.1", u"X.Y.255.126"},
     {u"X.Y.127.128", u"X.Y.127.129", u"X.Y.127.254"},
     {u"X.Y.0.128", u"X.Y.0.129", u"X.Y.0.254"}},
    {"B_255_192",
     u"255.255.255.192",
     u"B",
     1022,
     3,
     {u"X.Y.255.128", u"X.Y.255.129", u"X.Y.255.190"},
     {u"X.Y.254.192", u"X.Y.254.193", u"X.Y.254.254"},
     {u"X.Y.0.64", u"X.Y.0.65", u"X.Y.0.126"}},
    {"B_255_224",
     u"255.255.255.224",
     u"B",
     2046,
     1023,
     {u"X.Y.255.192", u"X.Y.255.193", u"X.Y.255.222"},
     {u"X.Y.127.224", u"X.Y.127.225", u"X.Y.127.254"},
     {u"X.Y.0.32", u"X.Y.0.33", u"X.Y.0.62"}},
    {"B_255_240",
     u"255.255.255.240",
     u"B",
     4094,
     2047,
     {u"X.Y.255.224", u"X.Y.255.225", u"X.Y.255.238"},
     {u"X.Y.127.240", u"X.Y.127.241", u"X.Y.127.254"},
     {u"X.Y.0.16", u"X.Y.0.17", u"X.Y.0.30"}},
    {"B_255_248",
     u"255.255.255.248",
     u"B",
     8190,
     4095,
     {u"X.Y.255.240", u"X.Y.255.241", u"X.Y.255.246"},
     {u"X.Y.127.248", u"X.Y.127.249", u"X.Y.127.254"},
     {u"X.Y.0.8", u"X.Y.0.9", u"X.Y.0.14"}},
    {"B_255_252",
     u"255.255.255.252",
     u"B",
     16382,
     8191,
     {u"X.Y.255.248", u"X.Y.255.249", u"X.Y.255.250"},
     {u"X.Y.127.252", u"X.Y.127.253", u"X.Y.127.254"},
     {u"X.Y.0.4", u"X.Y.0.5", u"X.Y.0.6"}},
    {"B_255_254",
     u"255.255.255.254",
     u"B",
     32766,
     16383,
     {u"X.Y.255.252", u"None", u"None"},
     {u"X.Y.127.254", u"None", u"None"},
     {u"X.Y.0.2", u"None", u"None"}},
    {"B_FourthGroupIgnored",
     u"255.255.192.77",
     u"B",
     2,
     1,
     {u"X.Y.128.0", u"X.Y.128.1", u"X.Y.191.254"},
     {u"X.Y.64.0", u"X.Y.64.1", u"X.Y.127.254"},
     {u"X.Y.64.0", u"X.Y.64.1", u"X.Y.127.254"}},
    {"B_EndingInDot",
     u"255.255.224.",
     u"B",
     6,
     3,
     {u"X.Y.192.0", u"X.Y.192.1", u"X.Y.223.254"},
     {u"X.Y.96.0", u"X.Y.96.1", u"X.Y.127.254"},
     {u"X.Y.32.0", u"X.Y.32.1", u"X.Y.63.254"}},
    {"B_AnythingAfterThirdGroup",
     u"255.255.240.1.2",
     u"B",
     14,
     7,
     {u"X.Y.224.0", u"X.Y.224.1", u"X.Y.239.254"},
     {u"X.Y.112.0", u"X.Y.112.1", u"X.Y.127.254"},
     {u"X.Y.16.0", u"X.Y.16.1", u"X.Y.31.254"}},
    {"C_128",
     u"255.255.255.128",
     u"C",
     2,
     1,
     {u"X.Y.Z.128", u"X.Y.Z.129", u"X.Y.Z.254"},
     {u"X.Y.Z.0", u"X.Y.Z.1", u"X.Y.Z.126"},
     {u"X.Y.Z.0", u"X.Y.Z.1", u"X.Y.Z.126"}},
    {"C_192",
     u"255.255.255.192",
     u"C",
     2,
     1,
     {u"X.Y.Z.128", u"X.Y.Z.129", u"X.Y.Z.190"},
     {u"X.Y.Z.64", u"X.Y.Z.65", u"X.Y.Z.126"},
     {u"X.Y.Z.64", u"X.Y.Z.65", u"X.Y.Z.126"}},
    {"C_224",
     u"255.255.255.224",
     u"C",
     6,
     3,
     {u"X.Y.Z.192", u"X.Y.Z.193", u"X.Y.Z.222"},
     {u"X.Y.Z.96", u"X.Y.Z.97", u"X.Y.Z.126"},
     {u"X.Y.Z.32", u"X.Y.Z.33", u"X.Y.Z.62"}},
    {"C_240",
     u"255.255.255.240",
     u"C",
     14,
     7,
     {u"X.Y.Z.224", u"X.Y.Z.225", u"X.Y.Z.238"},
     {u"X.Y.Z.112", u"X.Y.Z.113", u"X.Y.Z.126"},
     {u"X.Y.Z.16", u"X.Y.Z.17", u"X.Y.Z.30"}},
    {"C_248",
     u"255.255.255.248",
     u"C",
     30,
     15,
     {u"X.Y.Z.240", u"X.Y.Z.241", u"X.Y.Z.246"},
     {u"X.Y.Z.120", u"X.Y.Z.121", u"X.Y.Z.126"},
     {u"X.Y.Z.8", u"X.Y.Z.9", u"X.Y.Z.14"}},
    {"C_252",
     u"255.255.255.252",
     u"C",
     62,
     31,
     {u"X.Y.Z.248", u"X.Y.Z.249", u"X.Y.Z.250"},
     {u"X.Y.Z.124", u"X.Y.Z.125", u"X.Y.Z.126"},
     {u"X.Y.Z.4", u"X.Y.Z.5", u"X.Y.Z.6"}},
    {"C_254",
     u"255.255.255.254",
     u"C",
     126,
     63,
     {u"X.Y.Z.252", u"None", u"None"},
     {u"X.Y.Z.126", u"None", u"None"},
     {u"X.Y.Z.2", u"None", u"None"}},
};
INSTANTIATE_TEST_SUITE_P(AcceptedMasks, SegmentListTable, testing::ValuesIn(listingCases), rowName);

TEST(SegmentList, WorkedExampleClassB) {
    const QStringList expected{
        QStringLiteral("X.Y.224.0"), QStringLiteral("X.Y.208.0"), QStringLiteral("X.Y.192.0"),
        QStringLiteral("X.Y.176.0"), QStringLiteral("X.Y.160.0"), QStringLiteral("X.Y.144.0"),
        QStringLiteral("X.Y.128.0"), QStringLiteral("X.Y.112.0"), QStringLiteral("X.Y.96.0"),
        QStringLiteral("X.Y.80.0"),  QStringLiteral("X.Y.64.0"),  QStringLiteral("X.Y.48.0"),
        QStringLiteral("X.Y.32.0"),  QStringLiteral("X.Y.16.0")};
    EXPECT_EQ(rowsOf(QStringLiteral("255.255.240.0"), QStringLiteral("B"), QStringLiteral("X.Y")),
              expected);
}

TEST(SegmentList, FourGroupRowsStartAtTheTopOfTheNetwork) {
    const QStringList rows =
        rowsOf(QStringLiteral("255.255.255.192"), QStringLiteral("B"), QStringLiteral("X.Y"));
    const QStringList expected{QStringLiteral("X.Y.255.128"), QStringLiteral("X.Y.255.64"),
                               QStringLiteral("X.Y.255.0"), QStringLiteral("X.Y.254.192")};
    EXPECT_EQ(rows.mid(0, 4), expected);
}

TEST(SegmentList, RowsAreBuiltOnTheGivenPattern) {
    const QStringList expected{QStringLiteral("172.16.128.0"), QStringLiteral("172.16.64.0")};
    EXPECT_EQ(
        rowsOf(QStringLiteral("255.255.192.0"), QStringLiteral("B"), QStringLiteral("172.16")),
        expected);
}

struct WholeNetworkCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    const char16_t* netPattern;
    const char16_t* start;
    const char16_t* end;
};

class WholeNetworkTable : public testing::TestWithParam<WholeNetworkCase> {};

TEST_P(WholeNetworkTable, GivesTheWholeRange) {
    const WholeNetworkCase& c = GetParam();
    const NetworkClass networkClass = classLetter(QStringView(c.ipClass));
    const SegmentListing listing =
        listSegments(acceptedMask(QString::fromUtf16(c.mask), networkClass), networkClass,
                     QString::fromUtf16(c.netPattern));
    const auto* range = std::get_if<AddressRange>(&listing);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->start, QString::fromUtf16(c.start));
    EXPECT_EQ(range->end, QString::fromUtf16(c.end));
}

const WholeNetworkCase wholeNetworkCases[] = {
    {"ClassB", u"255.255.0.0", u"B", u"X.Y", u"X.Y.0.1", u"X.Y.255.254"},
    {"ClassBOnANetwork", u"255.255.0.0", u"B", u"172.16", u"172.16.0.1", u"172.16.255.254"},
    {"ClassC", u"255.255.255.0", u"C", u"X.Y.Z", u"X.Y.Z.1", u"X.Y.Z.254"},
};
INSTANTIATE_TEST_SUITE_P(StandardMasks, WholeNetworkTable, testing::ValuesIn(wholeNetworkCases),
                         rowName);

} // namespace
