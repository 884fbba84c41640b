// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discover_mask.h"

#include "common/number_text.h"

#include <cmath>
#include <optional>

namespace {

// Mask bits are counted after the first 16, the "255.255." that every mask
// Mask Discovery gives begins with, in any class.
constexpr int countedFrom = 16;
// The fewest nodes a segment is planned for, in any class.
constexpr double fewestNodes = 5;

// What Mask Discovery needs of a class, worked out from its facts.
struct ClassRules {
    const ClassFacts& facts;
    int hostWidth;   // host bits of the unsplit network
    int classOffset; // mask bits between /16 and the class's network boundary
};

ClassRules rulesOf(NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    return {of, SubnetMask::longestPrefix - of.prefixLength, of.prefixLength - countedFrom};
}

double pow2(int exponent) {
    return std::ldexp(1.0, exponent);
}

MaskResult failed() {
    return {std::nullopt, 0, 0};
}

// Mask bits of a finding that is unset, or failed.
constexpr int noMaskBits = 0;

// The mask found so far: a count of mask bits after the first 16, or none
// while nothing fits, with the counts that go with it.
struct Finding {
    int maskBits = noMaskBits;
    double segments = 0;
    double hosts = 0;
};

// Calls take(i) for every i from 1 to the class's search ranges whose range
// holds the value: 2^i - 2 < value < 2^(i+1) - 1. A fractional value can lie
// in two ranges; the later call then overwrites the earlier one.
template <typename Take>
void forEachRange(const ClassRules& rules, double value, Take take) {
    for (int i = 1; i <= rules.facts.searchRanges; ++i) {
        if (pow2(i) - 2 < value && value < pow2(i + 1) - 1)
            take(i);
    }
}

void findBySubnets(const ClassRules& rules, double wanted, Finding& finding) {
    if (!(1 < wanted && wanted < pow2(rules.facts.searchRanges) - 1))
        return;
    forEachRange(rules, wanted, [&](int i) {
        const int subnetBits = i + 1;
        finding.maskBits = subnetBits + rules.classOffset;
        if (rules.facts.halvesCount && subnetBits == 2) {
            // Two subnets would take two subnet bits (2^2 - 2 = 2), the
            // quarter network; where a network split by one bit, the half,
            // already gives two segments, that is the closer answer.
            finding.maskBits -= 1;
            finding.segments = 2;
            finding.hosts = pow2(rules.hostWidth - 1) - 2;
        } else {
            finding.segments = pow2(subnetBits) - 2;
            finding.hosts = pow2(rules.hostWidth - subnetBits) - 2;
        }
        // Failed, unless the nodes find a mask.
        if (countedFrom + finding.maskBits > rules.facts.longestSubnetsPrefix)
            finding.maskBits = noMaskBits;
    });
}

void findByNodes(const ClassRules& rules, double wanted, Finding& finding) {
    if (!(wanted < pow2(rules.facts.searchRanges) - 1))
        return;
    forEachRange(rules, wanted, [&](int i) {
        const int hostBits = i + 1;
        // The mask bits after the first 16 are the 16 bits of the last two
        // groups that are not host bits, in either class.
        finding.maskBits = SubnetMask::longestPrefix - countedFrom - hostBits;
        finding.segments = pow2(rules.hostWidth - hostBits) - 2;
        finding.hosts = pow2(hostBits) - 2;
        // The network unsplit is one segment; split by one bit, two where
        // the class counts its halves.
        if (hostBits == rules.hostWidth)
            finding.segments = 1;
        else if (rules.facts.halvesCount && hostBits == rules.hostWidth - 1)
            finding.segments = 2;
    });
}

} // namespace

MaskResult DiscoverMask(const QString& Subnets, const QString& Nodes, NetworkClass networkClass) {
    const ClassRules rules = rulesOf(networkClass);
    Finding finding;

    if (!Subnets.isEmpty()) {
        const std::optional<double> wanted = readDecimal(Subnets);
        if (!wanted)
            return failed();
        if (*wanted == 1)
            return {SubnetMask::ofPrefixLength(rules.facts.prefixLength), 1,
                    pow2(rules.hostWidth) - 2};
        if (*wanted > rules.facts.subnetsLimit)
            return failed();
        findBySubnets(rules, *wanted, finding);
    }

    if (!Nodes.isEmpty()) {
        const std::optional<double> wanted = readDecimal(Nodes);
        if (!wanted || *wanted < fewestNodes || *wanted > rules.facts.nodesLimit)
            return failed();
        findByNodes(rules, *wanted, finding);
    }

    // A pasted fraction just below a class's last range bound also passes that
    // range, whose mask leaves no host per segment (subnets) or no segment
    // (nodes); such a mask fits no request.
    const std::optional<SubnetMask> mask =
        SubnetMask::ofPrefixLength(countedFrom + finding.maskBits);
    if (finding.maskBits == noMaskBits || !mask || finding.segments < 1 || finding.hosts < 1)
        return failed();
    return {mask, finding.segments, finding.hosts};
}
