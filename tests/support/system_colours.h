// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The BackColor values of the Mask Discovery boxes, written out rather than
// taken from the program, so that a wrong constant there is caught.
constexpr quint32 openColour = 0x80000005;   // the window colour
constexpr quint32 lockedColour = 0x8000000B; // the inactive border colour
