#pragma once

#include <QScreen>
#include <QWidget>

// Places a window in the middle of the screen it is on.
inline void centreOnScreen(QWidget* window) {
    const QRect available = window->screen()->availableGeometry();
    window->move(available.center() - window->rect().center());
}
