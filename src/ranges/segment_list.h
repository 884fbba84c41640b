// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/refusal.h"
#include "ranges/address_range.h"

#include <QString>
#include <QStringList>
#include <variant>

// The segments an accepted mask gives, written on the placeholder network
// prefix. Rows run from the highest segment down; the all-zeros and the
// all-ones segment are left out. The address range reads the rows back by
// position, so their form is fixed: "X.Y.224.0" (class B), "X.Y.Z.128" (C).

inline constexpr Refusal classMismatchRefusal{
    u"Mistype in Information Request",
    u"You have entered a standard Class C subnet mask but are currently requesting Class B "
    u"information.  Please select the correct Class type, or alter the subnet mask."};

// Rows to list; the whole range of a standard mask, which has no segments to
// list; or the class-mismatch refusal.
using SegmentListing = std::variant<QStringList, AddressRange, Refusal>;

// mask must have been accepted by checkMask for ipClass.
SegmentListing listSegments(const QString& mask, const QString& ipClass, const QString& netPattern);

// The prefix length of the segments an accepted mask lists, or of the whole
// network for a standard mask. Class B reads the third group alone, as the
// rows do, so 255.255.255.192 gives 24.
int segmentPrefixLength(const QString& mask, const QString& ipClass);

// The assignable addresses of a segment with that prefix length: all but the
// segment's own address and its broadcast address.
double hostsPerSegment(int prefixLength);
