#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when the button is too
// narrow for it, as captions laid out for a smaller face must.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
