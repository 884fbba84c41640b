// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What View Subnets lists for a discovered mask is what Mask Discovery
// promised for it: as many segments, each holding as many hosts.

#include "discovery/discover_mask.h"
#include "ranges/range_information.h"
#include "ranges/segment_range.h"

#include "class_letter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Every distinct answer to a whole request of subnets or of nodes alone, by
// its mask; a mask promises the same counts whatever asked for it.
std::map<QString, MaskResult> everyAnswer(const QString& ipClass) {
    std::map<QString, MaskResult> answers;
    const auto keep = [&](const MaskResult& result) {
        if (result.Mask() != noMaskFits)
            answers.emplace(result.Mask(), result);
    };
    for (int request = 0; request <= 65536; ++request) {
        keep(DiscoverMask(QString::number(request), QString(), classLetter(ipClass)));
        keep(DiscoverMask(QString(), QString::number(request), classLetter(ipClass)));
    }
    return answers;
}

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

TEST_P(PromisedSegments, EveryDiscoveredMaskListsWhatItPromised) {
    const QString ipClass = QString::fromLatin1(GetParam());
    const QString pattern = ipClass == u"B" ? QStringLiteral("X.Y") : QStringLiteral("X.Y.Z");
    for (const auto& [mask, promised] : everyAnswer(ipClass)) {
        SCOPED_TRACE(mask.toStdString());
        const RangeInformation answer = rangeInformation(mask, classLetter(ipClass), pattern);
        const auto* accepted = std::get_if<ListedMask>(&answer);
        ASSERT_NE(accepted, nullptr) << "its own mask is refused";
        EXPECT_EQ(accepted->mask, promised.subnetMask);
        const SegmentListing& shown = accepted->listing;
        if (promised.Segments == 1) {
            const auto* whole = std::get_if<AddressRange>(&shown);
            ASSERT_NE(whole, nullptr) << "one segment shows the two labels";
            EXPECT_EQ(hostsIn(*whole, pattern), promised.Hosts);
            continue;
        }
        const auto* rows = std::get_if<QStringList>(&shown);
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->size(), promised.Segments);
        double above = 1 << (ipClass == u"B" ? 16 : 8);
        for (const QString& row : *rows) {
            const std::optional<AddressRange> range =
                segmentRange(row, accepted->mask, classLetter(ipClass), pattern);
            ASSERT_TRUE(range.has_value()) << row.toStdString();
            ASSERT_EQ(hostsIn(*range, pattern), promised.Hosts) << row.toStdString();
            const double own = offsetOf(row, pattern);
            ASSERT_LT(own, above) << "rows descend: " << row.toStdString();
            ASSERT_EQ(offsetOf(range->start, pattern), own + 1) << row.toStdString();
            above = own;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, PromisedSegments, testing::Values("B", "C"));

} // namespace
