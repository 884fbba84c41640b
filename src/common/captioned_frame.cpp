// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captioned_frame.h"

#include <QPainter>

namespace {

constexpr int captionIndent = 6; // from the frame's left edge to the gap
constexpr int captionGap = 2;    // free space either side of the caption

// An etched rectangle from whole logical pixels: filled, never stroked, so the
// lines stay sharp at any scale instead of smearing across device pixels.
void drawEtchedBox(QPainter& painter, const QRect& box, const QPalette& palette) {
    const auto drawBox = [&painter, &box](const QPoint& offset, const QColor& colour) {
        const QRect r = box.adjusted(0, 0, -1, -1).translated(offset);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    };
    drawBox(QPoint(1, 1), palette.color(QPalette::Light));
    drawBox(QPoint(0, 0), palette.color(QPalette::Dark));
}

} // namespace

int CaptionedFrame::borderTop() const {
    return fontMetrics().height() / 2;
}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawEtchedBox(painter, QRect(0, borderTop(), width(), height() - borderTop()), palette());
    const QRect caption(captionIndent, 0, fontMetrics().horizontalAdvance(title()) + 2 * captionGap,
                        fontMetrics().height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
