// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

// A frame with a caption, drawn as the classic desktop draws it: the top
// border runs through the middle of the caption's text, which interrupts the
// line near the left, so controls placed from the frame's top-left corner lie
// wholly inside the box.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // Where the top border line runs, from the frame's top edge.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
