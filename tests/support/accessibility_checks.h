// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// What a screen reader is told of a control, read through Qt's accessibility
// layer. Each view's test writes its rows out from the design.
struct Told {
    const char* control;
    const char* name; // nullptr: the label's own text, as for any label
    const char* description;
};

void expectTold(const QWidget* root, const Told& row);

// Checks that `caption` labels `input` for assistive technology, both ways.
void expectLabels(const QWidget* root, const char* caption, const char* input);
