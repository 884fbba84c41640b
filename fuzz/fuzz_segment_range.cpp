// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// segmentRange over rows the listing produced and over arbitrary rows.
// Input: the class, the mask and a row number, one per line; a row text and
// the text of the row above, on further lines, make the rows arbitrary.

#include "fuzz_lines.h"
#include "require.h"

#include "fuzz_masks.h"
#include "ranges/mask_check.h"
#include "ranges/segment_list.h"
#include "ranges/segment_range.h"

#include <variant>

namespace {

// An address on the pattern as its offset within the network: the last two
// groups for class B, the last group for class C; -1 for any other text.
int addressOffset(const QString& address, const QString& pattern, bool classC) {
    if (!address.startsWith(pattern + u'.'))
        return -1;
    const QStringList groups = address.sliced(pattern.size() + 1).split(u'.');
    if (groups.size() != (classC ? 1 : 2))
        return -1;
    int offset = 0;
    for (const QString& group : groups) {
        bool isNumber = false;
        const int value = group.toInt(&isNumber);
        if (!isNumber || value < 0 || value > 255 || group != QString::number(value))
            return -1;
        offset = offset * 256 + value;
    }
    return offset;
}

// The range of row k of the listing of an accepted mask begins just after
// the segment's own address and ends just before its broadcast; a segment
// with no address between the two reads "None".
void checkListedRow(const QString& ipClass, const QString& mask, int pick) {
    if (checkMask(mask, ipClass) != MaskCheck::Accepted)
        return;
    const QString pattern = classPattern(ipClass);
    const SegmentListing listing = listSegments(mask, ipClass, pattern);
    const auto* rows = std::get_if<QStringList>(&listing);
    if (!rows || rows->isEmpty())
        return;
    const bool classC = ipClass == u"C";
    const int k = pick % rows->size();
    const auto range =
        segmentRange(k, rows->at(k), k > 0 ? rows->at(k - 1) : QString(), mask, ipClass, pattern);
    require(range.has_value(), "a listed row has a range");

    const int block = 256 - subnetGroupValue(mask, ipClass);
    const int segmentSize = classC ? block : block * 256;
    const int own = addressOffset(rows->at(k), pattern, classC);
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

void checkArbitraryRow(const QString& ipClass, const QString& mask, int k, const QString& row,
                       const QString& above) {
    const auto range = segmentRange(k, row, above, mask, ipClass, classPattern(ipClass));
    require(range.has_value() == (ipClass == u"B" || ipClass == u"C"),
            "a range exactly for classes B and C");
    require(!range || (range->start == u"None") == (range->end == u"None"),
            "None for both addresses or for neither");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const QString ipClass = lines.at(0);
    const QString mask = lines.at(1);
    const int pick = static_cast<int>(lines.at(2).toUInt() % 1000);
    if (lines.count() <= 3)
        checkListedRow(ipClass, mask, pick);
    else
        checkArbitraryRow(ipClass, mask, pick, lines.at(3), lines.from(4));
    return 0;
}
