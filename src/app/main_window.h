// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window form_IPCalc holds two views in one client area. The Mask
// Discovery view (discovery/) finds a mask for a number of subnets or nodes;
// the Range Information view (ranges/), the frame frm_View, covers the whole
// client area when shown and lists the segments of a mask. The window owns
// the shared class state, builds both views' controls from the layout table,
// and handles what spans the views: start-up, the View menu, the About
// dialog and the hand-over of a discovered mask (View Subnets).

#include "about/system_services.h"
#include "common/message_box.h"
#include "common/shared_state.h"

#include <QMainWindow>
#include <memory>

class MaskDiscoveryView;
class RangeInformationView;

class MainWindow : public QMainWindow {
public:
    MainWindow(MessageBoxService& messages, SystemServices& system, QWidget* parent = nullptr);
    ~MainWindow() override;

    const SharedState& state() const { return state_; }

private:
    void buildMenus();
    void Form_Load();
    void menu_FileExit_Click();
    void menu_ViewSMD_Click();
    void menu_ViewRI_Click();
    void menu_HelpAbout_Click();
    void cmd_View_Click();

    void setRangeViewShown(bool shown);
    void describeForAccessibility();

    SharedState state_;
    MessageBoxService& messages_;
    SystemServices& system_;
    QWidget* maskDiscoveryArea_;
    QWidget* frm_View_;
    std::unique_ptr<MaskDiscoveryView> discovery_;
    std::unique_ptr<RangeInformationView> ranges_;
};
