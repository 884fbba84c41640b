// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "option_button.h"

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
        if (selected)
            emit picked();
    });
}

void OptionButton::setValue(bool selected) {
    if (selected || !isChecked()) {
        setChecked(selected);
        return;
    }
    // An auto-exclusive button refuses to be cleared; lift that for the moment.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}
