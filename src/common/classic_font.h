// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The program's classic dialog font: MS Sans Serif where the system has it
// (on Windows its TrueType twin, Microsoft Sans Serif), otherwise the closest
// sans-serif at the same point size.
QFont classicFont(qreal points = 8.25, bool bold = false);
