// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What Range Information lists for a mask is what the count of segments
// gives for it, and so what Mask Discovery promises for it: as many segments,
// each holding as many hosts.

#include "common/segment_count.h"
#include "ranges/range_information.h"
#include "ranges/segment_range.h"

#include "class_letter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An address on the placeholder prefix, as its offset in the class network;
// read by hand here, apart from the rules.
double offsetOf(const QString& address, const QString& pattern) {
    const QStringList groups = address.sliced(pattern.size() + 1).split(u'.');
    double offset = 0;
    for (const QString& group : groups)
        offset = offset * 256 + group.toInt();
    return offset;
}

double hostsIn(const AddressRange& range, const QString& pattern) {
    if (range.start == u"None" && range.end == u"None")
        return 0;
    return offsetOf(range.end, pattern) - offsetOf(range.start, pattern) + 1;
}

class PromisedSegments : public testing::TestWithParam<const char*> {};

// Every mask the list shows for the class, from the whole network to /31,
// lists exactly the segments counted, each with the hosts counted; the rows
// are read by hand, apart from the rules.
TEST_P(PromisedSegments, EveryMaskListsWhatItCounts) {
    const NetworkClass networkClass = classLetter(GetParam());
    const QString pattern = QString::fromLatin1(facts(networkClass).netPattern);
    for (int prefix = facts(networkClass).prefixLength; prefix < 32; ++prefix) {
        const SubnetMask mask = *SubnetMask::ofPrefixLength(prefix);
        SCOPED_TRACE(mask.dotted().toStdString());
        const RangeInformation answer = rangeInformation(mask.dotted(), networkClass, pattern);
        const auto* accepted = std::get_if<ListedMask>(&answer);
        ASSERT_NE(accepted, nullptr) << "the mask is refused";
        const std::optional<SegmentCount> count = countSegments(mask, networkClass);
        ASSERT_TRUE(count.has_value());
        if (const auto* whole = std::get_if<AddressRange>(&accepted->listing)) {
            EXPECT_EQ(count->segments(), 1) << "only one segment shows the two labels";
            EXPECT_EQ(hostsIn(*whole, pattern), count->hosts);
            continue;
        }
        const SegmentRows& rows = std::get<SegmentRows>(accepted->listing);
        ASSERT_EQ(rows.size(), count->segments());
        if (rows.isEmpty())
            continue;
        EXPECT_EQ(rows.front().segment, count->highest);
        EXPECT_EQ(rows.back().segment, count->lowest);
        const double segmentSize = std::ldexp(1.0, 32 - prefix);
        double above = std::ldexp(1.0, 32 - facts(networkClass).prefixLength);
        for (const SegmentRow& row : rows) {
            const double own = offsetOf(row.text, pattern);
            ASSERT_EQ(own, row.segment * segmentSize) << "the row shows its segment";
            ASSERT_LT(own, above) << "rows descend: " << row.text.toStdString();
            const AddressRange range =
                segmentRange(row.segment, mask, networkClass, pattern).value_or(AddressRange{});
            ASSERT_EQ(hostsIn(range, pattern), count->hosts) << row.text.toStdString();
            above = own;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, PromisedSegments, testing::Values("B", "C"));

} // namespace
