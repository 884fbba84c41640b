// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/refusal.h"
#include "common/subnet_mask.h"

#include <QString>
#include <optional>

// Whether a typed mask is one the segment list can work from. The mask is
// judged as text, group by group against fixed texts, never as numbers; an
// accepted text is handed over as the mask it stands for, so that nothing
// reads it again.

enum class MaskCheck {
    Accepted,
    BadPrefix,       // does not begin with "255.255."
    NotClassCMask,   // the fourth group carries the subnet bits, and the third is not "255."
    BadSubnetGroups, // every other refusal
};

struct CheckedMask {
    MaskCheck outcome;
    // The mask, exactly when the outcome is Accepted. A lenient class B text
    // stands for the mask of its third group: 255.255.192.77 is /18.
    std::optional<SubnetMask> accepted;
};

CheckedMask checkMask(const QString& mask, NetworkClass networkClass);

inline constexpr Refusal prefixRefusal{
    u"Subnet Mask Format Error",
    u"The subnet mask you have entered is not valid.  Subnet masks for Class B and C networks "
    u"start with 255.255.  Please correct your mask and try again."};

inline constexpr Refusal classCRefusal{
    u"Subnet Mask Formatting Error",
    u"You have entered an invalid Class C subnet mask.  Class C subnet masks start with "
    u"255.255.255.  Please try again."};

inline constexpr Refusal generalRefusal{
    u"Subnet Mask Formatting Error",
    u"The subnet mask you have entered is not valid.  Please try again."};

// The message a refused mask is answered with; none for an accepted one.
std::optional<Refusal> maskRefusal(MaskCheck check);
