// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cmath>

// Layouts are given in twips: 1440 to the inch, 15 to a logical pixel. Qt
// scales logical pixels on high-DPI screens, so the layout scales with them.
constexpr int twipsPerPixel = 15;

inline int twips(int value) {
    return static_cast<int>(std::lround(static_cast<double>(value) / twipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}
