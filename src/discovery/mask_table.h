// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The text of the mask with `maskBits` one-bits after its first 16
// (1 gives "255.255.128.0", 16 "255.255.255.255"); "-1" for any other count.
QString maskText(int maskBits);

// The prefix length of a mask DiscoverMask gives: 16 plus its mask bits, so
// 16 for the whole Class B network "255.255.0.0"; 0 for any other text.
int prefixLength(const QString& mask);
