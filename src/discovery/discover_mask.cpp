// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discover_mask.h"

#include "common/number_text.h"
#include "common/segment_count.h"

#include <cmath>
#include <optional>

namespace {

// The fewest nodes a segment is planned for, in any class.
constexpr double fewestNodes = 5;

double pow2(int exponent) {
    return std::ldexp(1.0, exponent);
}

MaskResult failed() {
    return {std::nullopt, 0, 0};
}

// The mask with its counts. A pasted fraction just below a class's last
// range bound passes that range, whose mask leaves no host per segment
// (subnets) or no segment (nodes); such a mask fits no request.
MaskResult counted(std::optional<SubnetMask> mask, NetworkClass networkClass) {
    const std::optional<SegmentCount> count =
        mask ? countSegments(*mask, networkClass) : std::nullopt;
    if (!count || count->segments() < 1 || count->hosts < 1)
        return failed();
    return {mask, count->segments(), count->hosts};
}

// The mask found so far: none while nothing fits, or once a subnets request
// has failed.
using Finding = std::optional<SubnetMask>;

// Calls take(i) for every i from 1 to the class's search ranges whose range
// holds the value: 2^i - 2 < value < 2^(i+1) - 1. A fractional value can lie
// in two ranges; the later call then overwrites the earlier one.
template <typename Take>
void forEachRange(const ClassFacts& of, double value, Take take) {
    for (int i = 1; i <= of.searchRanges; ++i) {
        if (pow2(i) - 2 < value && value < pow2(i + 1) - 1)
            take(i);
    }
}

void findBySubnets(NetworkClass networkClass, double wanted, Finding& finding) {
    const ClassFacts& of = facts(networkClass);
    if (!(1 < wanted && wanted < pow2(of.searchRanges) - 1))
        return;
    forEachRange(of, wanted, [&](int i) {
        const int subnetBits = i + 1;
        int prefix = of.prefixLength + subnetBits;
        // Where the mask one bit shorter already gives as many segments as
        // asked (two, where a class counts the halves of a network split by
        // one bit), it is the closer answer.
        const std::optional<SegmentCount> shorter =
            countSegments(*SubnetMask::ofPrefixLength(prefix - 1), networkClass);
        if (shorter && shorter->segments() >= wanted)
            prefix -= 1;
        // Failed, unless the nodes find a mask.
        finding =
            prefix > of.longestSubnetsPrefix ? std::nullopt : SubnetMask::ofPrefixLength(prefix);
    });
}

void findByNodes(NetworkClass networkClass, double wanted, Finding& finding) {
    const ClassFacts& of = facts(networkClass);
    if (!(wanted < pow2(of.searchRanges) - 1))
        return;
    forEachRange(of, wanted, [&](int i) {
        const int hostBits = i + 1;
        finding = SubnetMask::ofPrefixLength(SubnetMask::longestPrefix - hostBits);
    });
}

} // namespace

MaskResult DiscoverMask(const QString& Subnets, const QString& Nodes, NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    Finding finding;

    if (!Subnets.isEmpty()) {
        const std::optional<double> wanted = readDecimal(Subnets);
        if (!wanted)
            return failed();
        if (*wanted == 1)
            return counted(SubnetMask::ofPrefixLength(of.prefixLength), networkClass);
        if (*wanted > of.subnetsLimit)
            return failed();
        findBySubnets(networkClass, *wanted, finding);
    }

    if (!Nodes.isEmpty()) {
        const std::optional<double> wanted = readDecimal(Nodes);
        if (!wanted || *wanted < fewestNodes || *wanted > of.nodesLimit)
            return failed();
        findByNodes(networkClass, *wanted, finding);
    }

    return counted(finding, networkClass);
}
