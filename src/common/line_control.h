// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A horizontal rule drawn in one colour and pen width, like a line drawn on a
// form; it never takes the focus or the mouse. Its colour is worked out from
// the palette each time it is drawn, so it follows every palette change.
class LineControl : public QWidget {
    Q_OBJECT

public:
    using ColourOn = QColor (*)(const QPalette& palette);

    LineControl(ColourOn colour, int penWidth, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourOn colour_;
};
