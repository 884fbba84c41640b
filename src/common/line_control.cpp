// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line_control.h"

#include <QPainter>

LineControl::LineControl(ColourOn colour, int penWidth, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedHeight(penWidth);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), colour_(palette()));
}
