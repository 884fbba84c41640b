// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// Contrast as WCAG 2 measures it: from 1 (the same luminance) to 21 (black on
// white).
inline constexpr double readableTextContrast = 4.5; // ordinary text
inline constexpr double visibleLineContrast = 3.0;  // lines and other graphics

// WCAG 2 relative luminance: 0 for black, 1 for white.
double relativeLuminance(const QColor& colour);

double contrastRatio(const QColor& a, const QColor& b);

// Whether text in that colour can be read on that background.
bool readableOn(const QColor& text, const QColor& background);
