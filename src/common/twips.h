// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cmath>

// Layouts are given in twips: 1440 to the inch, 15 to a logical pixel. Qt
// scales logical pixels on high-DPI screens, so the layout scales with them.
constexpr int twipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

inline QRect twipsRectToPixels(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
