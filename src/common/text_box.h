// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <functional>

// A one-line text box with the program's event rules:
// - changed() is emitted whenever the text becomes different, by typing,
//   pasting or setText(), before setText() returns;
// - every typed character first reaches the KeyPress handler with its
//   character code; a code set to 0 discards the key. Keys that type no
//   character (arrows, Delete, Tab) and pasted text are not filtered.
// - the back colour is a 32-bit system colour value (top bit set plus the
//   system colour index), looked up in the palette each time the box is
//   drawn, so it follows every palette change.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using KeyPressHandler = std::function<void(int& keyAscii)>;

    explicit TextBox(QWidget* parent = nullptr);

    void setKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }

    void setBackColor(quint32 systemColour);

signals:
    void changed();

protected:
    void initStyleOption(QStyleOptionFrame* option) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool keyPassesFilter(int keyAscii) const;

    KeyPressHandler keyPress_;
    quint32 backColor_;
    bool backColorSet_ = false;
};
