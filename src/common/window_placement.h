// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScreen>
#include <QWidget>

inline void centreOnScreen(QWidget* window) {
    const QRect available = window->screen()->availableGeometry();
    window->move(available.center() - window->rect().center());
}
