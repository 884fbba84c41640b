// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The About dialog form_About shows the application's title and version, what
// the program does, a disclaimer and where to write for news of updates. Its
// System Info button starts the system's System Information tool through the
// Qt-free launcher (start_sys_info.h), which reports its own failures in the
// message box. Each opening is a new dialog: construction runs Form_Load.

#include "about/system_services.h"
#include "common/message_box.h"

#include <QDialog>

class Label;
class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(MessageBoxService& messages, SystemServices& system, QWidget* owner);

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void describeForAccessibility();

    MessageBoxService& messages_;
    SystemServices& system_;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    Label* lblTitle;
    Label* lblVersion;
};
