// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A horizontal rule drawn in one colour and pen width, like a line drawn on a
// form; it never takes the focus or the mouse.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(const QColor& colour, int penWidth, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};
