// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The About dialog's client area, in twips.
inline constexpr int aboutClientWidth = 5730;
inline constexpr int aboutClientHeight = 4215;

// Creates the About dialog's controls under `client` with their design-time
// settings: the picture, the buttons, the labels and the engraved lines.
void buildAboutControls(QWidget* client);
