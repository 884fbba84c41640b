// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Style numbers of the modal message box.
enum class MessageStyle : int {
    OkOnly = 0,       // OK button, no icon
    Information = 64, // information icon, OK button
};

// Shows a modal message and returns once the user has closed it. A message
// without a title of its own is titled with the application title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text, MessageStyle style, const QString& title = {}) = 0;
};

// The real message box, owned by (and centred on) the active window.
class QtMessageBox : public MessageBoxService {
public:
    void show(const QString& text, MessageStyle style, const QString& title = {}) override;
};
