// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Creates the Mask Discovery view's controls under `pane`, which stands for
// the window's client area, with their design-time settings.
void buildMaskDiscoveryControls(QWidget* pane);
