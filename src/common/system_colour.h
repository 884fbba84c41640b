// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// System colours as 32-bit values: the top bit set plus the colour index.
constexpr quint32 systemColourWindow = 0x80000005;         // background of a text box
constexpr quint32 systemColourInactiveBorder = 0x8000000B; // a locked box

class QPalette;

// The colour a palette gives a system colour value.
QColor systemColourValue(quint32 systemColour, const QPalette& palette);
