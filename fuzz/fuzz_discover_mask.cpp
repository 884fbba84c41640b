// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// DiscoverMask over any class and any two texts. Input: the class, the
// subnets text and the nodes text, one per line.

#include "fuzz_lines.h"
#include "require.h"

#include "common/number_text.h"
#include "discovery/discover_mask.h"

#include <cmath>

namespace {

// The prefix length of a mask text of the form "255.255.a.b" with contiguous
// one-bits from 16 to 32; -1 for any other text.
int prefixLength(const QString& mask) {
    for (int prefix = 16; prefix <= 32; ++prefix) {
        const quint32 bits = prefix == 32 ? ~quint32{0} : ~(~quint32{0} >> prefix);
        if (mask == QStringLiteral("255.255.%1.%2").arg((bits >> 8) & 0xff).arg(bits & 0xff))
            return prefix;
    }
    return -1;
}

bool isWholeCount(double count) {
    return count >= 1 && count == std::trunc(count);
}

// A subnet field of s bits gives 2^s - 2 segments, except that the unsplit
// network is one segment and a network split by one bit two.
double segmentsOf(int subnetBits) {
    return subnetBits == 0 ? 1 : subnetBits == 1 ? 2 : std::ldexp(1.0, subnetBits) - 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const std::optional<NetworkClass> named = classNamed(lines.at(0));
    if (!named)
        return 0; // the window and tarnwell-cli take no other class
    const QString subnets = lines.at(1);
    const QString nodes = lines.from(2);
    const MaskResult result = DiscoverMask(subnets, nodes, *named);
    if (!result.subnetMask) {
        require(result.Mask() == noMaskFits, "no mask reads -1");
        return 0;
    }

    const int networkBits = *named == NetworkClass::C ? 24 : 16;
    const int prefix = prefixLength(result.Mask());
    require(prefix >= networkBits, "the mask is one of the class's mask texts");
    require(prefix == result.subnetMask->prefixLength(), "the text is the mask found");
    require(isWholeCount(result.Segments) && isWholeCount(result.Hosts),
            "segments and hosts are whole counts of at least 1");
    require(result.Hosts == std::ldexp(1.0, 32 - prefix) - 2,
            "hosts are 2^h - 2 for the mask's h host bits");
    require(result.Segments == segmentsOf(prefix - networkBits),
            "segments follow from the mask's subnet bits");
    if (nodes.isEmpty())
        require(result.Segments >= readDecimal(subnets).value(), "enough segments");
    if (subnets.isEmpty())
        require(result.Hosts >= readDecimal(nodes).value(), "enough hosts per segment");
    return 0;
}
