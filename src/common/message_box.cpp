// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::show(const QString& text, MessageStyle style, const QString& title) {
    const QString shownTitle = title.isEmpty() ? QApplication::applicationName() : title;
    const auto icon =
        style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, shownTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
