// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The text of the mask with `maskBits` one-bits after its first 16
// (1 gives "255.255.128.0", 16 "255.255.255.255"); "-1" for any other count.
QString maskText(int maskBits);
