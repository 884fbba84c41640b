// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The captions the About dialog sets each time it loads.

// "About " and the application's title.
QString aboutWindowCaption(const QString& title);

// "Version " and the major, minor and revision numbers of a version text such
// as "1.0.0"; numbers the text lacks count as 0.
QString versionCaption(const QString& applicationVersion);
