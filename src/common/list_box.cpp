// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // Every row is one line of text in one font; sizing them alike keeps a
    // list of tens of thousands of segments instant.
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (listIndex() >= 0)
            emit picked();
    });
}

int ListBox::listIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

QString ListBox::selectedText() const {
    const int selected = listIndex();
    return selected < 0 ? QString() : item(selected)->text();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    // Qt's own copy takes the current row, which focus sets without selecting.
    if (event->matches(QKeySequence::Copy)) {
        if (listIndex() >= 0)
            QApplication::clipboard()->setText(selectedText());
        return;
    }
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        openMenuOn(currentRow(), visualItemRect(currentItem()).center());
        return;
    }
    // Focus makes the first row current without selecting it; the first arrow
    // key then selects that row rather than skipping past it.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && listIndex() < 0 && currentRow() >= 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListBox::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse)
        openMenuOn(row(itemAt(event->pos())), event->pos());
    else
        openMenuOn(currentRow(), visualItemRect(currentItem()).center());
}

void ListBox::openMenuOn(int row, const QPoint& viewportPoint) {
    if (row >= 0)
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    emit menuRequested(viewport()->mapTo(this, viewportPoint));
}
