// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_line.h"
#include "common/refusal.h"

#include <QString>
#include <variant>

// There is no list to pick from here, so a segment can be named that the
// mask does not give.
inline constexpr Refusal segmentNotListedRefusal{
    u"Segment Not Listed",
    u"The segment you have entered is not one of the Available Segments of this subnet mask.  "
    u"Please enter a segment as the segments command lists it."};

// tarnwell-cli's answer to a request, as it is printed: the plain lines the
// window's texts make, each ending in "\n", or with --json one JSON object
// that adds what the window has no room for. Every answer comes from the
// rules the window calls; what the window refuses is refused with the same
// message.
std::variant<QString, Refusal> answer(const Request& request);
