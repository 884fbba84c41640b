// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"
#include "ranges/address_range.h"

#include <QString>
#include <QStringList>
#include <variant>

// The segments an accepted mask gives: every subnet of the class network at
// the mask's prefix length, written on the placeholder prefix as its own
// address, from the highest down. These are exactly the segments Mask
// Discovery counts for the mask: the all-zeros and the all-ones segment are
// left out, except that a class C network split by one bit keeps both halves
// (see ClassFacts::halvesCount).
// A class B row holds two groups ("X.Y.224.0", "X.Y.254.192"), a class C row
// one ("X.Y.Z.128").

// Rows to list, or the whole range of a mask that does not split the network
// and so has no segments to list.
using SegmentListing = std::variant<QStringList, AddressRange>;

// mask is one checkMask accepted for the class; any other lists nothing.
SegmentListing listSegments(SubnetMask mask, NetworkClass networkClass, const QString& netPattern);

// The assignable addresses of a segment of that mask: all but the segment's
// own address and its broadcast address.
double hostsPerSegment(SubnetMask mask);
