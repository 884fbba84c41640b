// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/segment_range.h"

#include "accepted_mask.h"
#include "class_letter.h"
#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using ::PrintTo;

struct AddressesCase {
    const char* name;
    quint32 number;
    const char16_t* segment; // its own address, as its row shows it
    const char16_t* mask;
    const char16_t* ipClass;
    const char16_t* netPattern;
    const char16_t* start;
    const char16_t* end;
    const char16_t* broadcast;
};

class SegmentAddressesTable : public testing::TestWithParam<AddressesCase> {};

TEST_P(SegmentAddressesTable, GivesTheRangeAndTheBroadcast) {
    const AddressesCase& c = GetParam();
    const NetworkClass networkClass = classLetter(QStringView(c.ipClass));
    const SubnetMask mask = acceptedMask(QString::fromUtf16(c.mask), networkClass);
    const QString netPattern = QString::fromUtf16(c.netPattern);
    EXPECT_EQ(segmentText(c.number, mask, networkClass, netPattern).value_or(QString()),
              QString::fromUtf16(c.segment));
    const std::optional<SegmentAddresses> addresses =
        segmentAddresses(c.number, mask, networkClass, netPattern);
    ASSERT_TRUE(addresses.has_value());
    EXPECT_EQ(addresses->assignable.start, QString::fromUtf16(c.start));
    EXPECT_EQ(addresses->assignable.end, QString::fromUtf16(c.end));
    EXPECT_EQ(addresses->broadcast, QString::fromUtf16(c.broadcast));
}

const AddressesCase addressesCases[] = {
    // The worked examples: a class C and a class B listing.
    {"C192_First", 2, u"X.Y.Z.128", u"255.255.255.192", u"C", u"X.Y.Z", u"X.Y.Z.129", u"X.Y.Z.190",
     u"X.Y.Z.191"},
    {"C192_Second", 1, u"X.Y.Z.64", u"255.255.255.192", u"C", u"X.Y.Z", u"X.Y.Z.65", u"X.Y.Z.126",
     u"X.Y.Z.127"},
    {"B240_First", 14, u"X.Y.224.0", u"255.255.240.0", u"B", u"X.Y", u"X.Y.224.1", u"X.Y.239.254",
     u"X.Y.239.255"},
    {"B240_Last", 1, u"X.Y.16.0", u"255.255.240.0", u"B", u"X.Y", u"X.Y.16.1", u"X.Y.31.254",
     u"X.Y.31.255"},
    // A class B segment with a fourth group crosses no third-group boundary.
    {"B192_FourthGroup", 1019, u"X.Y.254.192", u"255.255.255.192", u"B", u"X.Y", u"X.Y.254.193",
     u"X.Y.254.254", u"X.Y.254.255"},
    {"B128_LowHalf", 14, u"X.Y.7.0", u"255.255.255.128", u"B", u"X.Y", u"X.Y.7.1", u"X.Y.7.126",
     u"X.Y.7.127"},
    {"B_Lenient", 2, u"X.Y.128.0", u"255.255.192.77", u"B", u"X.Y", u"X.Y.128.1", u"X.Y.191.254",
     u"X.Y.191.255"},
    // A 31-bit segment is its own address and its broadcast, nothing between.
    {"C254_NoHosts", 126, u"X.Y.Z.252", u"255.255.255.254", u"C", u"X.Y.Z", u"None", u"None",
     u"X.Y.Z.253"},
    {"B254_NoHosts", 1, u"X.Y.0.2", u"255.255.255.254", u"B", u"X.Y", u"None", u"None", u"X.Y.0.3"},
    // The whole network, named by its own address.
    {"WholeB", 0, u"172.16.0.0", u"255.255.0.0", u"B", u"172.16", u"172.16.0.1", u"172.16.255.254",
     u"172.16.255.255"},
    {"WholeC", 0, u"X.Y.Z.0", u"255.255.255.0", u"C", u"X.Y.Z", u"X.Y.Z.1", u"X.Y.Z.254",
     u"X.Y.Z.255"},
    {"C_LongerPattern", 1, u"192.168.10.64", u"255.255.255.192", u"C", u"192.168.10",
     u"192.168.10.65", u"192.168.10.126", u"192.168.10.127"},
};
INSTANTIATE_TEST_SUITE_P(Segments, SegmentAddressesTable, testing::ValuesIn(addressesCases),
                         rowName);

struct NotASegmentCase {
    const char* name;
    quint32 number;
    int prefixLength;
    const char16_t* ipClass;
};

class NotASegmentTable : public testing::TestWithParam<NotASegmentCase> {};

TEST_P(NotASegmentTable, GivesNothing) {
    const NotASegmentCase& c = GetParam();
    const NetworkClass networkClass = classLetter(QStringView(c.ipClass));
    const SubnetMask mask = *SubnetMask::ofPrefixLength(c.prefixLength);
    const QString netPattern = QString::fromLatin1(facts(networkClass).netPattern);
    EXPECT_EQ(segmentText(c.number, mask, networkClass, netPattern), std::nullopt);
    EXPECT_FALSE(segmentAddresses(c.number, mask, networkClass, netPattern).has_value());
    EXPECT_FALSE(segmentRange(c.number, mask, networkClass, netPattern).has_value());
}

const NotASegmentCase notASegmentCases[] = {
    {"PastTheLastOfClassC", 4, 26, u"C"}, {"PastTheLastOfClassB", 16, 20, u"B"},
    {"PastTheWholeNetwork", 1, 16, u"B"}, {"MaskShorterThanTheClass", 0, 23, u"C"},
    {"SingleAddresses", 1, 32, u"B"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, NotASegmentTable, testing::ValuesIn(notASegmentCases), rowName);

} // namespace
