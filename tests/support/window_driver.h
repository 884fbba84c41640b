// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/main_window.h"
#include "common/control_table.h"
#include "recording_message_box.h"
#include "scripted_system_services.h"

#include <QStringList>

// The real main window with a recorder in place of the message box and a
// system with no registry, driven as a person would: type, click, choose a
// menu item, read what it shows. Controls are reached by object name.
class WindowDriver {
public:
    // Shows the window on the offscreen platform; false if it never got exposed.
    [[nodiscard]] bool show();

    template <typename Control = QWidget>
    Control* control(const char* name) const {
        return controlNamed<Control>(&window, name);
    }

    void choose(const char* menuItem);
    void click(const char* name);
    void type(const char* box, const QString& keys);
    void press(const char* box, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void retype(const char* box, const QString& text);
    void paste(const char* box, const QString& text);

    QString caption(const char* label) const;
    QString text(const char* box) const;
    bool enabled(const char* name) const;
    // The colour most of a text box's inside shows around its text and any
    // selection, as "#rrggbb".
    QString shownColour(const char* box) const;
    QStringList rows() const;

    RecordingMessageBox messages;
    ScriptedSystemServices system;
    MainWindow window{messages, system};
};
