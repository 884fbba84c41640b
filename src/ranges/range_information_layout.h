// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Creates the Range Information view's controls under `pane`, which stands
// for the window's client area, with their design-time settings. The view is
// the frame frm_View, which covers the whole pane.
void buildRangeInformationControls(QWidget* pane);
