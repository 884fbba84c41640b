// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class WindowDriver;

// What holds in the Mask Discovery view after every handler, whatever came
// before, whether the view is shown or covered: the first rule broken, or an
// empty text when all hold.
QString brokenMaskDiscoveryInvariant(const WindowDriver& driver);
