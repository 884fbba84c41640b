// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What View Range Information answers for an accepted mask. Input: the class
// on the first line, the mask text after it; texts the mask check refuses
// are passed over.

#include "fuzz_lines.h"
#include "require.h"

#include "fuzz_masks.h"
#include "ranges/mask_check.h"
#include "ranges/range_information.h"

#include <variant>

namespace {

// The segments Mask Discovery counts for s subnet bits: 2^s - 2, but both
// halves of a class C network split by one bit.
int promisedSegments(int subnetBits, bool classC) {
    return classC && subnetBits == 1 ? 2 : (1 << subnetBits) - 2;
}

void checkRows(const SegmentRows& rows, int prefix, NetworkClass ipClass, const QString& pattern) {
    const bool classC = ipClass == NetworkClass::C;
    const int subnetBits = prefix - networkBits(ipClass);
    const int size = 1 << (32 - prefix);
    const int network = 1 << (32 - networkBits(ipClass));
    require(rows.size() == promisedSegments(subnetBits, classC),
            "as many rows as Mask Discovery counts segments");
    int above = network;
    for (const SegmentRow& row : rows) {
        const int own = addressOffset(row.text, pattern, classC);
        require(own >= 0, "a row is an address on the pattern in plain groups");
        require(own == int(row.segment) * size, "a row keeps the segment it shows");
        require(own < above, "rows strictly descend");
        require(own % size == 0, "a row is a segment's own address");
        if (!(classC && subnetBits == 1))
            require(own > 0 && own + size < network,
                    "neither the all-zeros nor the all-ones segment");
        above = own;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const std::optional<NetworkClass> named = classNamed(lines.at(0));
    if (!named)
        return 0; // tarnwell-cli and the window take no other class
    const NetworkClass ipClass = *named;
    const QString mask = lines.from(1);
    if (checkMask(mask, ipClass).outcome != MaskCheck::Accepted)
        return 0;
    const QString pattern = classPattern(ipClass);
    const RangeInformation answer = rangeInformation(mask, ipClass, pattern);
    const int prefix = acceptedPrefixLength(mask, ipClass);
    require(prefix >= networkBits(ipClass), "an accepted mask is one of the class's mask texts");
    const auto* listed = std::get_if<ListedMask>(&answer);
    require(listed && listed->mask.prefixLength() == prefix, "the listing is of the mask given");

    if (prefix == networkBits(ipClass)) {
        const auto* range = std::get_if<AddressRange>(&listed->listing);
        const bool classC = ipClass == NetworkClass::C;
        require(range && addressOffset(range->start, pattern, classC) == 1 &&
                    addressOffset(range->end, pattern, classC) == (classC ? 254 : 65534),
                "a mask that does not split the network gives its whole range");
    } else {
        const auto* rows = std::get_if<SegmentRows>(&listed->listing);
        require(rows != nullptr, "every other accepted mask lists rows");
        checkRows(*rows, prefix, ipClass, pattern);
    }
    return 0;
}
