// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

// A single-selection, unsorted list. picked() - the Click event - is emitted
// whenever a row becomes selected: by mouse, by keyboard, or by the program
// through setCurrentRow(). The copy key copies the
// selected row's text; the context menu, asked for by the pointer, the Menu
// key or Shift+F10, first selects the row it is opened on, as a click would.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected row, counted from 0, or -1 when none is selected.
    int listIndex() const;
    // The selected row's text, or an empty text when none is selected.
    QString selectedText() const;

signals:
    void picked();
    // The user asked for the context menu at that point of the list.
    void menuRequested(const QPoint& at);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void openMenuOn(int row, const QPoint& viewportPoint);
};
