// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

// An option button of a frame. picked() - the Click event - is emitted
// whenever the option becomes selected, by the user or by setValue(true),
// after the other option of the same frame was cleared. setValue(false) only
// clears it: nothing else becomes selected and nothing is emitted.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

signals:
    void picked();
};
