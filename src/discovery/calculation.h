// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/refusal.h"
#include "discovery/discover_mask.h"

#include <QString>
#include <variant>

// What Calculate answers a request with, in the window and on the command line.

inline constexpr Refusal entryErrorRefusal{
    u"Entry Error",
    u"You have entered a value which is invalid and does not fall into an accepted IP "
    u"formatting range.  Please try again."};

// The mask that fits the request, or the entry error when none does. The
// texts are passed exactly as typed; an empty one asks nothing.
std::variant<MaskResult, Refusal> calculate(const QString& subnets, const QString& nodes,
                                            const QString& ipClass);

// The sentence shown with the mask. Its wording is the same for every count,
// one segment included: "1 segments with 254 hosts per segment."
QString discoverySentence(const MaskResult& result);
