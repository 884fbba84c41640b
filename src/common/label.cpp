// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include "contrast.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    emit changed();
}

void Label::setForeColor(const QColor& colour, QPalette::ColorRole kind) {
    foreColor_ = colour;
    kind_ = kind;
    showForeColor();
}

// Only the fore colour itself is ever set on the label's palette, and only
// while it is shown: every other role, the window colour it is judged on
// included, comes from the window, so any change there reaches this label as
// a PaletteChange.
void Label::showForeColor() {
    if (!foreColor_.isValid())
        return;
    const QPalette inherited =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor window = inherited.color(QPalette::Window);
    QPalette own; // no role of its own: everything inherited
    QPalette::ColorRole shown = kind_;
    if (readableOn(foreColor_, window))
        own.setColor(kind_, foreColor_);
    else if (!readableOn(inherited.color(kind_), window))
        shown = QPalette::WindowText;
    const QScopedValueRollback choosing(choosingForeColor_, true);
    setPalette(own);
    setForegroundRole(shown);
    update();
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // The change setPalette() itself raises needs no new choice.
    if (event->type() == QEvent::PaletteChange && !choosingForeColor_)
        showForeColor();
}
