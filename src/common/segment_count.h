// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"

#include <QtGlobal>

#include <optional>

// The segments a mask gives a network of a class, and the hosts each holds.
// Mask Discovery reports these counts and Range Information lists exactly
// these segments, so both read them here.
//
// The segments of a mask are numbered from 0, the one at the network's own
// address, to 2^s - 1 for s subnet bits. The counted ones run from lowest to
// highest: all but the all-zeros and the all-ones segment (2^s - 2), except
// that a class counting a network split in halves counts both (see
// ClassFacts::halvesCount). A mask that does not split the network gives it
// whole, as its one segment.
struct SegmentCount {
    quint32 lowest;
    quint32 highest;
    // The assignable addresses of each: all but its own and its broadcast.
    double hosts;

    // How many: none where highest is below lowest (a class B network split
    // by one bit).
    double segments() const { return double(highest) - double(lowest) + 1; }
};

// None for a mask shorter than the class's network prefix, or one that leaves
// a segment a single address (/32).
std::optional<SegmentCount> countSegments(SubnetMask mask, NetworkClass networkClass);
