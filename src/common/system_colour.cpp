// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system_colour.h"

#include <QPalette>

// A system colour is one colour, whatever the state of the control that
// shows it: the palette's active one.
QColor systemColourValue(quint32 systemColour, const QPalette& palette) {
    switch (systemColour) {
    case systemColourInactiveBorder:
        return palette.color(QPalette::Active, QPalette::Window);
    case systemColourWindow:
    default:
        return palette.color(QPalette::Active, QPalette::Base);
    }
}
