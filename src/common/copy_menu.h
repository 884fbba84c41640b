// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenu>
#include <functional>
#include <utility>
#include <vector>

class Label;

// A context menu of copy commands for one control. Each command puts the
// text its source gives on the clipboard and is disabled while that text is
// empty. The menu belongs to the control, so it can be found while open.
class CopyMenu : public QMenu {
    Q_OBJECT

public:
    using TextSource = std::function<QString()>;

    explicit CopyMenu(QWidget* owner);

    void addCopy(const QString& caption, TextSource source);

    // Opens the menu at a point of the owner, without waiting for a choice.
    void openAt(const QPoint& ownerPoint);

private:
    void enableByContent();

    std::vector<std::pair<QAction*, TextSource>> commands_;
};

// Gives a result label a menu with "&Copy" for its text. Labels keep taking
// no focus: the menu opens from the pointer only.
void offerCopyMenu(Label* label);
