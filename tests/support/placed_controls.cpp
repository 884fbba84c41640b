// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placed_controls.h"

#include "common/control_table.h"
#include "common/twips.h"
#include "qstring_printer.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

QString captionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return {};
}

} // namespace

void expectPlaced(const QWidget* pane, std::span<const Placed> layout) {
    for (const Placed& row : layout) {
        SCOPED_TRACE(row.name);
        auto* placed = controlNamed<QWidget>(pane, row.name);
        EXPECT_TRUE(placed->inherits(row.kind));
        EXPECT_EQ(captionOf(placed), QString::fromUtf8(row.caption));
        EXPECT_EQ(placed->geometry(), QRect(twipsToPixels(row.left), twipsToPixels(row.top),
                                            twipsToPixels(row.width), twipsToPixels(row.height)));
        const QWidget* container =
            row.container ? controlNamed<QWidget>(pane, row.container) : pane;
        EXPECT_EQ(placed->parentWidget(), container);
    }
}

QStringList tabChain(QWidget* first, const QStringList& names) {
    QStringList chain;
    QWidget* next = first;
    do {
        if (names.contains(next->objectName()) && !chain.contains(next->objectName()))
            chain.append(next->objectName());
        next = next->nextInFocusChain();
    } while (next != first);
    return chain;
}
