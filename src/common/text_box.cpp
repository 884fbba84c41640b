// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_box.h"

#include "system_colour.h"

#include <QKeyEvent>
#include <QStyleOptionFrame>

namespace {

// The character code a key types, or 0 when it types none. Control
// combinations count as their control codes (Ctrl+V is 22), as they do on the
// platforms where such codes reach the box as characters.
int typedCharacter(const QKeyEvent* event) {
    // Delete types nothing, though X11, Wayland and Windows report it as DEL.
    if (event->key() == Qt::Key_Delete)
        return 0;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), backColor_(systemColourWindow) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

void TextBox::setBackColor(quint32 systemColour) {
    backColor_ = systemColour;
    backColorSet_ = true;
    update();
}

// The style fills the box with the Base of the palette it is handed; the
// box's own palette stays untouched, inherited from the window. Until a
// colour is set the style draws the box as it draws any other: some styles
// draw a themed background unless Base is set.
void TextBox::initStyleOption(QStyleOptionFrame* option) const {
    QLineEdit::initStyleOption(option);
    if (backColorSet_)
        option->palette.setColor(QPalette::Base, systemColourValue(backColor_, palette()));
}

bool TextBox::keyPassesFilter(int keyAscii) const {
    if (!keyPress_)
        return true;
    keyPress_(keyAscii);
    return keyAscii != 0;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const int keyAscii = typedCharacter(event);
    if (keyAscii != 0 && !keyPassesFilter(keyAscii)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    // Characters composed by an input method are typed characters too.
    QString kept;
    for (QChar c : event->commitString()) {
        if (keyPassesFilter(c.unicode()))
            kept += c;
    }
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}
