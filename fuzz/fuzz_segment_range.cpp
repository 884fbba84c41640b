// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// segmentRange over rows the listing produced and over arbitrary segments.
// Input: the class, the mask and a row number, one per line; a segment number
// on a further line asks for that segment instead, of the mask or, when the
// check refuses the mask text, of any prefix length (the row number's).

#include "fuzz_lines.h"
#include "require.h"

#include "fuzz_masks.h"
#include "ranges/mask_check.h"
#include "ranges/range_information.h"
#include "ranges/segment_range.h"

#include <variant>

namespace {

// The range of a listed row begins just after the segment's own address and
// ends just before its broadcast; a segment with no address between the two
// reads "None".
void checkListedRow(NetworkClass ipClass, const QString& mask, int pick) {
    const QString pattern = classPattern(ipClass);
    const RangeInformation answer = rangeInformation(mask, ipClass, pattern);
    const auto* listed = std::get_if<ListedMask>(&answer);
    const auto* rows = listed ? std::get_if<SegmentRows>(&listed->listing) : nullptr;
    if (!rows || rows->isEmpty())
        return;
    const bool classC = ipClass == NetworkClass::C;
    const SegmentRow& row = rows->at(pick % rows->size());
    const auto range = segmentRange(row.segment, listed->mask, ipClass, pattern);
    require(range.has_value(), "a listed row has a range");

    const int segmentSize = 1 << (32 - acceptedPrefixLength(mask, ipClass));
    const int own = addressOffset(row.text, pattern, classC);
    const int broadcast = own + segmentSize - 1;
    if (segmentSize == 2) {
        require(range->start == u"None" && range->end == u"None", "no address reads None");
        return;
    }
    require(addressOffset(range->start, pattern, classC) == own + 1,
            "the range begins just after the segment's own address");
    require(addressOffset(range->end, pattern, classC) == broadcast - 1,
            "the range ends just before the segment's broadcast");
}

// Any text, with any mask: a range only for a segment's own address on the
// pattern, and then one inside the class network.
void checkArbitrarySegment(NetworkClass ipClass, SubnetMask mask, quint32 segment) {
    const QString pattern = classPattern(ipClass);
    const auto range = segmentRange(segment, mask, ipClass, pattern);
    const int subnetBits = mask.prefixLength() - networkBits(ipClass);
    const bool fits = subnetBits >= 0 && mask.prefixLength() < 32;
    require(range.has_value() == (fits && segment < (quint32{1} << subnetBits)),
            "a range exactly for a segment of a mask that fits the class");
    if (!range)
        return;
    const bool classC = ipClass == NetworkClass::C;
    require((range->start == u"None") == (range->end == u"None"),
            "None for both addresses or for neither");
    if (range->start != u"None")
        require(addressOffset(range->start, pattern, classC) <=
                    addressOffset(range->end, pattern, classC),
                "the range runs upward within the network");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const std::optional<NetworkClass> named = classNamed(lines.at(0));
    if (!named)
        return 0; // tarnwell-cli and the window take no other class
    const NetworkClass ipClass = *named;
    const QString mask = lines.at(1);
    const int pick = static_cast<int>(lines.at(2).toUInt() % 40000);
    if (lines.count() <= 3) {
        checkListedRow(ipClass, mask, pick);
        return 0;
    }
    // The mask the text stands for, or else any prefix length, those the
    // class never accepts included.
    const std::optional<SubnetMask> accepted = checkMask(mask, ipClass).accepted;
    const SubnetMask anyMask =
        accepted.value_or(*SubnetMask::ofPrefixLength(pick % (SubnetMask::longestPrefix + 1)));
    checkArbitrarySegment(ipClass, anyMask, lines.at(3).toUInt());
    return 0;
}
