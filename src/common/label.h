// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label whose caption, when the program sets a different one, raises
// changed() before setCaption() returns. Captions are plain text.
//
// A label may be given a fore colour of its own, for text of a kind the
// palette has a role for (WindowText, or Link for an address). It keeps that
// colour wherever it can be read on the window colour beneath it; elsewhere
// it shows the palette's colour for that kind of text, or the palette's
// window text where even that cannot be read. The choice is made again on
// every change of the palette, so a new desktop theme reaches the label.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    void setForeColor(const QColor& colour, QPalette::ColorRole kind);

signals:
    void changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showForeColor();

    QColor foreColor_; // invalid: the palette's window text
    QPalette::ColorRole kind_ = QPalette::WindowText;
    bool choosingForeColor_ = false;
};
