// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The application's icon, drawn at 16 to 256 pixels; the main window and the
// About dialog both carry it.
QIcon applicationIcon();
