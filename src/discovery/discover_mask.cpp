// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discover_mask.h"

#include "common/number_text.h"

#include <cmath>
#include <optional>

namespace {

// What Mask Discovery needs of a class, beside the limits its facts give.
struct ClassRules {
    int rangeWidth;  // candidate ranges tried; also bounds the range pre-test
    int hostWidth;   // host bits of the unsplit network
    int classOffset; // mask bits between /16 and the class's network boundary
    const ClassFacts& facts;
};

ClassRules rulesOf(NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    const int rangeWidth = networkClass == NetworkClass::C ? 8 : 14;
    return {rangeWidth, 32 - of.prefixLength, of.prefixLength - 16, of};
}

constexpr double fewestNodes = 5;

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

// Calls take(i) for every i from 1 to rangeWidth whose range holds the value:
// 2^i - 2 < value < 2^(i+1) - 1. A fractional value can lie in two ranges;
// the later call then overwrites the earlier one.
template <typename Take> void forEachRange(const ClassRules& rules, double value, Take take) {
    for (int i = 1; i <= rules.rangeWidth; ++i) {
        if (pow2(i) - 2 < value && value < pow2(i + 1) - 1)
            take(i);
    }
}

void findBySubnets(const ClassRules& rules, bool classC, double wanted, Finding& finding) {
    if (!(1 < wanted && wanted < pow2(rules.rangeWidth) - 1))
        return;
    forEachRange(rules, wanted, [&](int i) {
        const int subnetBits = i + 1;
        finding.maskBits = subnetBits + rules.classOffset;
        if (classC && finding.maskBits == 10) {
            // Two subnets would take two subnet bits (2^2 - 2 = 2), the
            // quarter network /26; a Class C network split by one bit, the
            // half /25, already gives two segments of 126 hosts, so that is
            // the closer answer.
            finding.maskBits = 9;
            finding.segments = 2;
            finding.hosts = pow2(rules.hostWidth - 1) - 2;
        } else {
            finding.segments = pow2(subnetBits) - 2;
            finding.hosts = pow2(rules.hostWidth - subnetBits) - 2;
        }
        // Past 13 bits (a /29, 30 segments of 6 hosts) a Class C segment
        // would hold 2 hosts or none, fewer than the 5 nodes Mask Discovery
        // plans for at the least: failed, unless the nodes find a mask.
        if (classC && finding.maskBits > 13)
            finding.maskBits = noMaskBits;
    });
}

void findByNodes(const ClassRules& rules, bool classC, double wanted, Finding& finding) {
    if (!(wanted < pow2(rules.rangeWidth) - 1))
        return;
    forEachRange(rules, wanted, [&](int i) {
        const int hostBits = i + 1;
        // The mask bits after the first 16 are the 16 bits of the last two
        // groups that are not host bits, in either class.
        finding.maskBits = 16 - hostBits;
        finding.segments = pow2(rules.hostWidth - hostBits) - 2;
        finding.hosts = pow2(hostBits) - 2;
        // The Class C network unsplit is one segment, split by one bit two.
        if (classC && hostBits == rules.hostWidth)
            finding.segments = 1;
        else if (classC && hostBits == rules.hostWidth - 1)
            finding.segments = 2;
    });
}

} // namespace

MaskResult DiscoverMask(const QString& Subnets, const QString& Nodes, NetworkClass IPClass) {
    const bool classC = IPClass == NetworkClass::C;
    const ClassRules rules = rulesOf(IPClass);
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
        findBySubnets(rules, classC, *wanted, finding);
    }

    if (!Nodes.isEmpty()) {
        const std::optional<double> wanted = readDecimal(Nodes);
        if (!wanted || *wanted < fewestNodes || *wanted > rules.facts.nodesLimit)
            return failed();
        findByNodes(rules, classC, *wanted, finding);
    }

    // A pasted fraction just below a class's last range bound also passes that
    // range, whose mask leaves no host per segment (subnets) or no segment
    // (nodes); such a mask fits no request.
    const std::optional<SubnetMask> mask = SubnetMask::ofPrefixLength(16 + finding.maskBits);
    if (finding.maskBits == noMaskBits || !mask || finding.segments < 1 || finding.hosts < 1)
        return failed();
    return {mask, finding.segments, finding.hosts};
}
