// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/message_box.h"

#include <QList>
#include <functional>

// Stands in for the modal message box: records each message and returns at
// once, as if the user had pressed OK.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Message {
        QString text;
        int style; // the number the box was given: 0 or 64
        QString title;
    };

    void show(const QString& text, MessageStyle style, const QString& title = {}) override {
        shown.append({text, static_cast<int>(style), title});
        if (whileShown)
            whileShown();
    }

    QList<Message> shown;
    // Runs while a message is up, to see what the window shows behind it.
    std::function<void()> whileShown;
};
