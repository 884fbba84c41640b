#pragma once

#include <QListWidget>

// A single-selection, unsorted list. picked() - the Click event - is emitted
// when a row becomes selected by mouse or keyboard.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected row, counted from 0, or -1 when none is selected.
    int listIndex() const;

signals:
    void picked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
