// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/control_table.h"

#include <span>

// The main window's controls at design time. The Range Information view is
// the frame frm_View, which covers the whole client area when shown; every
// other control belongs to the Mask Discovery view beneath it.
std::span<const ControlRow> maskDiscoveryLayout();
std::span<const ControlRow> rangeInformationLayout();

// The client area, in twips.
constexpr int clientWidthTwips = 4665;
constexpr int clientHeightTwips = 2820;
