// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/refusal.h"
#include "discovery/discover_mask.h"

#include <QString>
#include <variant>

// What Calculate shows of DiscoverMask's result, in the window and on the
// command line.

inline constexpr Refusal entryErrorRefusal{
    u"Entry Error",
    u"You have entered a value which is invalid and does not fall into an accepted IP "
    u"formatting range.  Please try again."};

// The result as it stands, or the entry error when no mask fits ("-1").
std::variant<MaskResult, Refusal> refusedIfNoMaskFits(const MaskResult& result);

// The sentence shown with the mask. Its wording is the same for every count,
// one segment included: "1 segments with 254 hosts per segment."
QString discoverySentence(const MaskResult& result);
