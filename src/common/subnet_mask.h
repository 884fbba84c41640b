// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A subnet mask the rules work with, held as its prefix length: how many
// one-bits it begins with, 0 to 32. It is made from a prefix length, or by
// the mask check from a text it accepts; nothing else turns a mask into a
// prefix length or back into text.
class SubnetMask {
public:
    static constexpr int longestPrefix = 32;
    // An address is written as four groups of 8 bits.
    static constexpr int groupCount = 4;
    static constexpr int groupBits = 8;

    // The mask of that prefix length; none outside 0 to 32.
    static std::optional<SubnetMask> ofPrefixLength(int length);

    int prefixLength() const { return prefixLength_; }
    // One of its four groups, 0 the first, as plain digits: group 2 of /19
    // is "224".
    QString group(int index) const;
    // The four groups with dots between them: "255.255.224.0" for /19.
    QString dotted() const;

    friend bool operator==(SubnetMask, SubnetMask) = default;

private:
    explicit SubnetMask(int length) : prefixLength_(length) {}
    int prefixLength_;
};
