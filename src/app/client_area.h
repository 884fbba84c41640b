// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's client area, in twips: each view's pane fills it.
inline constexpr int clientWidthTwips = 4665;
inline constexpr int clientHeightTwips = 2820;
