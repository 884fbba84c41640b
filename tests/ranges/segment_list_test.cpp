// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_list.h"

#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <tuple>

namespace {

using ::PrintTo;

QStringList rowsOf(const QString& mask, const QString& ipClass, const QString& netPattern) {
    const SegmentListing listing = listSegments(mask, ipClass, netPattern);
    EXPECT_TRUE(std::holds_alternative<QStringList>(listing));
    const auto* rows = std::get_if<QStringList>(&listing);
    return rows ? *rows : QStringList();
}

struct ListingCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    int rowCount;
    const char16_t* firstRow; // unused when rowCount is 0
    const char16_t* lastRow;
};

class SegmentListTable : public testing::TestWithParam<ListingCase> {};

TEST_P(SegmentListTable, ListsRows) {
    const ListingCase& c = GetParam();
    const QString ipClass = QString::fromUtf16(c.ipClass);
    const QStringList rows =
        rowsOf(QString::fromUtf16(c.mask), ipClass,
               ipClass == u"B" ? QStringLiteral("X.Y") : QStringLiteral("X.Y.Z"));
    ASSERT_EQ(rows.size(), c.rowCount);
    if (c.rowCount > 0) {
        EXPECT_EQ(rows.first(), QString::fromUtf16(c.firstRow));
        EXPECT_EQ(rows.last(), QString::fromUtf16(c.lastRow));
    }
}

const ListingCase listingCases[] = {
    {"B_128", u"255.255.128.0", u"B", 0, u"", u""},
    {"B_192", u"255.255.192.0", u"B", 2, u"X.Y.128.0", u"X.Y.64.0"},
    {"B_224", u"255.255.224.0", u"B", 6, u"X.Y.192.0", u"X.Y.32.0"},
    {"B_240", u"255.255.240.0", u"B", 14, u"X.Y.224.0", u"X.Y.16.0"},
    {"B_248", u"255.255.248.0", u"B", 30, u"X.Y.240.0", u"X.Y.8.0"},
    {"B_252", u"255.255.252.0", u"B", 62, u"X.Y.248.0", u"X.Y.4.0"},
    {"B_254", u"255.255.254.0", u"B", 126, u"X.Y.252.0", u"X.Y.2.0"},
    {"B_FourthGroup192", u"255.255.255.192", u"B", 254, u"X.Y.254.0", u"X.Y.1.0"},
    {"B_FourthGroupIgnored", u"255.255.192.77", u"B", 2, u"X.Y.128.0", u"X.Y.64.0"},
    {"B_EndingInDot", u"255.255.224.", u"B", 6, u"X.Y.192.0", u"X.Y.32.0"},
    {"C_128", u"255.255.255.128", u"C", 0, u"", u""},
    {"C_192", u"255.255.255.192", u"C", 2, u"X.Y.Z.128", u"X.Y.Z.64"},
    {"C_224", u"255.255.255.224", u"C", 6, u"X.Y.Z.192", u"X.Y.Z.32"},
    {"C_240", u"255.255.255.240", u"C", 14, u"X.Y.Z.224", u"X.Y.Z.16"},
    {"C_248", u"255.255.255.248", u"C", 30, u"X.Y.Z.240", u"X.Y.Z.8"},
    {"C_252", u"255.255.255.252", u"C", 62, u"X.Y.Z.248", u"X.Y.Z.4"},
    {"C_254", u"255.255.255.254", u"C", 126, u"X.Y.Z.252", u"X.Y.Z.2"},
};
INSTANTIATE_TEST_SUITE_P(GroupValues, SegmentListTable, testing::ValuesIn(listingCases), rowName);

// The prefix length gives the size of the listed segments: the step from one
// row to the next, counted in addresses.
TEST(SegmentPrefixLength, MatchesTheStepBetweenRows) {
    for (const ListingCase& c : listingCases) {
        if (c.rowCount < 2)
            continue;
        const QString mask = QString::fromUtf16(c.mask);
        const QString ipClass = QString::fromUtf16(c.ipClass);
        const bool classB = ipClass == u"B";
        const QStringList rows =
            rowsOf(mask, ipClass, classB ? QStringLiteral("X.Y") : QStringLiteral("X.Y.Z"));
        const int group = classB ? 2 : 3;
        const int step = rows[0].section(u'.', group, group).toInt() -
                         rows[1].section(u'.', group, group).toInt();
        const double addresses = step * (classB ? 256.0 : 1.0);
        const int prefix = segmentPrefixLength(mask, ipClass);
        EXPECT_EQ(std::ldexp(1.0, 32 - prefix), addresses) << c.name;
        EXPECT_EQ(hostsPerSegment(prefix), addresses - 2) << c.name;
    }
}

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

TEST(SegmentList, WorkedExampleClassC) {
    const QStringList expected{QStringLiteral("X.Y.Z.128"), QStringLiteral("X.Y.Z.64")};
    EXPECT_EQ(
        rowsOf(QStringLiteral("255.255.255.192"), QStringLiteral("C"), QStringLiteral("X.Y.Z")),
        expected);
}

TEST(SegmentList, RowsAreBuiltOnTheGivenPattern) {
    const QStringList expected{QStringLiteral("P.Q.128.0"), QStringLiteral("P.Q.64.0")};
    EXPECT_EQ(rowsOf(QStringLiteral("255.255.192.0"), QStringLiteral("B"), QStringLiteral("P.Q")),
              expected);
}

// Every row of every listing: strictly descending multiples of the block,
// neither the all-zeros nor the all-ones segment, 256 / block - 2 of them.
TEST(SegmentList, RowsAreTheInnerSegments) {
    const QRegularExpression classB(QStringLiteral("^X\\.Y\\.(\\d+)\\.0$"));
    const QRegularExpression classC(QStringLiteral("^X\\.Y\\.Z\\.(\\d+)$"));
    for (int group : {128, 192, 224, 240, 248, 252, 254}) {
        for (const auto& [ipClass, pattern, mask, rowForm] :
             {std::tuple{QStringLiteral("B"), QStringLiteral("X.Y"),
                         QStringLiteral("255.255.%1.0").arg(group), &classB},
              std::tuple{QStringLiteral("C"), QStringLiteral("X.Y.Z"),
                         QStringLiteral("255.255.255.%1").arg(group), &classC}}) {
            SCOPED_TRACE(mask.toStdString() + " class " + ipClass.toStdString());
            const int block = 256 - group;
            const QStringList rows = rowsOf(mask, ipClass, pattern);
            EXPECT_EQ(rows.size(), 256 / block - 2);
            int previous = 256;
            for (const QString& row : rows) {
                const QRegularExpressionMatch match = rowForm->match(row);
                ASSERT_TRUE(match.hasMatch()) << row.toStdString();
                const int n = match.captured(1).toInt();
                EXPECT_LT(n, previous);
                EXPECT_EQ(n % block, 0);
                EXPECT_GT(n, 0);
                EXPECT_LT(n, group);
                previous = n;
            }
        }
    }
}

struct StandardCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    const char16_t* netPattern;
    const char16_t* start;
    const char16_t* end;
};

class StandardMaskTable : public testing::TestWithParam<StandardCase> {};

TEST_P(StandardMaskTable, GivesWholeRange) {
    const StandardCase& c = GetParam();
    const SegmentListing listing =
        listSegments(QString::fromUtf16(c.mask), QString::fromUtf16(c.ipClass),
                     QString::fromUtf16(c.netPattern));
    const auto* range = std::get_if<AddressRange>(&listing);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->start, QString::fromUtf16(c.start));
    EXPECT_EQ(range->end, QString::fromUtf16(c.end));
}

const StandardCase standardCases[] = {
    {"ClassB", u"255.255.0.0", u"B", u"X.Y", u"X.Y.1.1", u"X.Y.254.254"},
    {"ClassC", u"255.255.255.0", u"C", u"X.Y.Z", u"X.Y.Z.1", u"X.Y.Z.254"},
};
INSTANTIATE_TEST_SUITE_P(StandardMasks, StandardMaskTable, testing::ValuesIn(standardCases),
                         rowName);

TEST(SegmentList, StandardClassCMaskWithClassBIsAMistype) {
    const SegmentListing listing =
        listSegments(QStringLiteral("255.255.255.0"), QStringLiteral("B"), QStringLiteral("X.Y"));
    const auto* refusal = std::get_if<Refusal>(&listing);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->title, u"Mistype in Information Request");
    EXPECT_EQ(refusal->text, u"You have entered a standard Class C subnet mask but are currently "
                             u"requesting Class B information.  Please select the correct Class "
                             u"type, or alter the subnet mask.");
}

} // namespace
