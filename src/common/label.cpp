// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    emit changed();
}
