// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/mask_check.h"

namespace {

// Groups are counted from 0: the check reads the third and the fourth.
constexpr int thirdGroup = 2;
constexpr int fourthGroup = 3;
constexpr int groupBits = SubnetMask::groupBits;

CheckedMask accepted(int prefixLength) {
    return {MaskCheck::Accepted, SubnetMask::ofPrefixLength(prefixLength)};
}

CheckedMask refused(MaskCheck outcome) {
    return {outcome, std::nullopt};
}

// The mask whose subnet bits end inside group `index` and whose text there is
// `group`: one of the seven partial groups, "128" to "254". The group is
// compared as text with the mask's own, so a leading zero or a blank makes
// it differ.
CheckedMask partialGroup(QStringView group, int index) {
    for (int ones = 1; ones < groupBits; ++ones) {
        const CheckedMask candidate = accepted(groupBits * index + ones);
        if (candidate.accepted->group(index) == group)
            return candidate;
    }
    return refused(MaskCheck::BadSubnetGroups);
}

// rest: the text after "255.255."; networkPrefix: the class's. "0.0" is the
// network whole, and "255.0" splits it by the whole third group.
CheckedMask checkFromThirdGroup(QStringView rest, int networkPrefix) {
    const qsizetype dot = rest.indexOf(u'.');
    if (dot < 0)
        return refused(MaskCheck::BadSubnetGroups);
    const QStringView group = rest.first(dot);
    const QStringView after = rest.sliced(dot + 1);
    if (after == u"0" && group == u"0")
        return accepted(networkPrefix);
    if (after == u"0" && group == u"255")
        return accepted(networkPrefix + groupBits);
    // A third group of 255 moves the subnet bits to the fourth group, and the
    // whole rest is judged as that group. After a partial third group nothing
    // more is examined, so "255.255.192." and "255.255.192.77" pass on purpose.
    if (group == u"255")
        return partialGroup(after, fourthGroup);
    return partialGroup(group, thirdGroup);
}

// "255.0" is the network whole.
CheckedMask checkFourthGroup(QStringView rest, int networkPrefix) {
    if (!rest.startsWith(u"255."))
        return refused(MaskCheck::NotClassCMask);
    const QStringView group = rest.sliced(4);
    if (group == u"0")
        return accepted(networkPrefix);
    return partialGroup(group, fourthGroup);
}

} // namespace

CheckedMask checkMask(const QString& mask, NetworkClass networkClass) {
    if (!mask.startsWith(u"255.255."))
        return refused(MaskCheck::BadPrefix);
    const QStringView rest = QStringView(mask).sliced(8);
    const ClassFacts& of = facts(networkClass);
    switch (of.maskForm) {
    case MaskForm::FromThirdGroup:
        return checkFromThirdGroup(rest, of.prefixLength);
    case MaskForm::FourthGroup:
        return checkFourthGroup(rest, of.prefixLength);
    }
    return refused(MaskCheck::BadSubnetGroups);
}

std::optional<Refusal> maskRefusal(MaskCheck check) {
    switch (check) {
    case MaskCheck::Accepted:
        return std::nullopt;
    case MaskCheck::BadPrefix:
        return prefixRefusal;
    case MaskCheck::NotClassCMask:
        return classCRefusal;
    case MaskCheck::BadSubnetGroups:
        return generalRefusal;
    }
    return generalRefusal;
}
