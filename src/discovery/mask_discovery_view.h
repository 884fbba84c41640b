// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/label.h"
#include "common/message_box.h"
#include "common/option_button.h"
#include "common/shared_state.h"
#include "common/subnet_mask.h"
#include "common/text_box.h"

#include <QObject>
#include <QPushButton>

#include <optional>

// The Mask Discovery view of the main window: the user asks for a number of
// subnets or of nodes per subnet and the class, and Calculate shows the
// closest mask with its segment and host counts. Handlers follow the
// controls' events; every change of an input blanks the results, so what is
// shown always belongs to the current inputs.
class MaskDiscoveryView : public QObject {
    Q_OBJECT

public:
    // Builds the view's controls into `pane`; showing the pane is the caller's.
    MaskDiscoveryView(QWidget* pane, SharedState& state, MessageBoxService& messages);

    // Shares the class and shows its network; the options are left as they are.
    void shareClass(NetworkClass chosen);
    // The class the options show, whichever class is shared now.
    NetworkClass classOfOptions() const;
    // The first input that takes keys: the nodes box while the subnets box is locked.
    void focusFirstInput();

signals:
    // View Subnets hands the mask found last over, with the class the options show.
    void viewSubnets(NetworkClass chosen, SubnetMask mask);

private:
    void cmd_Calc_Click();
    void cmd_View_Click();
    void txt_Subnets_Change();
    void txt_hosts_Change();
    void txt_Subnets_KeyPress(int& KeyAscii);
    void txt_hosts_KeyPress(int& KeyAscii);
    void lbl_MaskAnswer_Change();
    void rb_B_Click();
    void rb_C_Click();

    void CheckCalcEnabled();
    void ClearResults();
    void ClearInputs();

    void pickClass(NetworkClass chosen);
    void describeForAccessibility(const QWidget* pane);
    static void lockPartner(const TextBox* edited, TextBox* partner);
    static void filterDigits(int& KeyAscii);

    TextBox* txt_Subnets;
    TextBox* txt_hosts;
    QPushButton* cmd_Calc;
    QPushButton* cmd_View;
    Label* lbl_MaskAnswer;
    Label* lbl_Discovery;
    Label* lbl_ClassExt;
    OptionButton* rb_B;
    OptionButton* rb_C;
    // The mask lbl_MaskAnswer shows, none while it is blank.
    std::optional<SubnetMask> foundMask_;
    SharedState& state_;
    MessageBoxService& messages_;
};
