// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window form_IPCalc holds two views in one client area. The Mask
// Discovery view (discovery/) finds a mask for a number of subnets or nodes;
// the Range Information view (ranges/) covers the whole client area when
// shown and lists the segments of a mask. Each view builds and owns its
// controls in a pane of its own; the window owns the shared class state and
// handles what spans the views: start-up, the View menu, the About dialog and
// the hand-over of a discovered mask (View Subnets).

#include "about/system_services.h"
#include "common/message_box.h"
#include "common/shared_state.h"
#include "common/subnet_mask.h"

#include <QMainWindow>
#include <memory>

class MaskDiscoveryView;
class QStackedWidget;
class RangeInformationView;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(MessageBoxService& messages, SystemServices& system, QWidget* parent = nullptr);
    ~MainWindow() override;

    // For tests: no control shows the shared class as such, and the options
    // of a view may show another class than the one shared.
    const SharedState& state() const { return state_; }

private:
    void buildMenus();
    void Form_Load();
    void menu_FileExit_Click();
    void menu_ViewSMD_Click();
    void menu_ViewRI_Click();
    void menu_HelpAbout_Click();
    void handOver(NetworkClass chosen, SubnetMask mask);

    void setRangeViewShown(bool shown);

    SharedState state_;
    MessageBoxService& messages_;
    SystemServices& system_;
    QStackedWidget* panes_;
    QWidget* maskDiscoveryPane_;
    QWidget* rangeInformationPane_;
    std::unique_ptr<MaskDiscoveryView> discovery_;
    std::unique_ptr<RangeInformationView> ranges_;
};
