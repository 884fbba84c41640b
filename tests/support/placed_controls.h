// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>
#include <span>

// A control where the design places it, written out in each view's test
// rather than taken from the program's table, so that a wrong number there
// is caught. Positions are in twips, relative to the container.
struct Placed {
    const char* name;
    const char* kind;      // the Qt class the control is built on
    const char* container; // a frame, or nullptr for the pane
    const char* caption;
    int left;
    int top;
    int width;
    int height;
};

// Checks each row's control under `pane`: its kind, caption, container and place.
void expectPlaced(const QWidget* pane, std::span<const Placed> layout);

// The named controls in the order Tab reaches them, starting from `first`.
QStringList tabChain(QWidget* first, const QStringList& names);
