// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/refusal.h"
#include "common/subnet_mask.h"
#include "ranges/segment_list.h"

#include <QString>
#include <variant>

// What View Range Information answers for a mask text that is not empty: the
// mask check's refusal, or the mask it accepted with what that mask lists
// (see listSegments). Row clicks and --json read the mask from here, never
// from the text again.
struct ListedMask {
    SubnetMask mask;
    SegmentListing listing;
};

using RangeInformation = std::variant<Refusal, ListedMask>;

RangeInformation rangeInformation(const QString& mask, NetworkClass networkClass,
                                  const QString& netPattern);
