// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system_colour.h"

#include <QApplication>
#include <QPalette>

QColor systemColourValue(quint32 systemColour) {
    const QPalette palette = QApplication::palette();
    switch (systemColour) {
    case systemColourInactiveBorder:
        return palette.color(QPalette::Window);
    case systemColourWindow:
    default:
        return palette.color(QPalette::Base);
    }
}
