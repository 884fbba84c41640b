// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/mask_check.h"

#include <algorithm>
#include <array>

namespace {

// The only texts accepted for the group that carries the subnet bits. A
// leading zero or a blank makes a group differ from them.
bool isPartialGroup(QStringView group) {
    static constexpr std::array<QStringView, 7> partialGroups{u"128", u"192", u"224", u"240",
                                                              u"248", u"252", u"254"};
    return std::find(partialGroups.begin(), partialGroups.end(), group) != partialGroups.end();
}

// rest: the text after "255.255.".
MaskCheck checkClassB(QStringView rest) {
    const qsizetype dot = rest.indexOf(u'.');
    if (dot < 0)
        return MaskCheck::BadSubnetGroups;
    QStringView group = rest.first(dot);
    const QStringView after = rest.sliced(dot + 1);
    if (after == u"0" && (group == u"255" || group == u"0"))
        return MaskCheck::Accepted;
    // A third group of 255 moves the subnet bits to the fourth group, and the
    // whole rest is judged as that group. After a partial third group nothing
    // more is examined, so "255.255.192." and "255.255.192.77" pass on purpose.
    if (group == u"255")
        group = after;
    return isPartialGroup(group) ? MaskCheck::Accepted : MaskCheck::BadSubnetGroups;
}

MaskCheck checkClassC(QStringView rest) {
    if (!rest.startsWith(u"255."))
        return MaskCheck::NotClassCMask;
    if (rest == u"255.0" || isPartialGroup(rest.sliced(4)))
        return MaskCheck::Accepted;
    return MaskCheck::BadSubnetGroups;
}

} // namespace

MaskCheck checkMask(const QString& mask, NetworkClass networkClass) {
    if (!mask.startsWith(u"255.255."))
        return MaskCheck::BadPrefix;
    const QStringView rest = QStringView(mask).sliced(8);
    return networkClass == NetworkClass::B ? checkClassB(rest) : checkClassC(rest);
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
