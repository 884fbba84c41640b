// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare QMainWindow with the main window's size
// and menu bar, shown centred, and nothing in it.

#include "app/client_area.h"
#include "common/twips.h"
#include "common/window_placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* view = window.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Mask Discovery"));
    view->addAction(QStringLiteral("&Range Information"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.resize(twipsToPixels(clientWidthTwips),
                  twipsToPixels(clientHeightTwips) + window.menuBar()->sizeHint().height());
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
