// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/label.h"
#include "common/list_box.h"
#include "common/message_box.h"
#include "common/option_button.h"
#include "common/refusal.h"
#include "common/shared_state.h"
#include "common/text_box.h"
#include "ranges/range_information.h"

#include <QObject>
#include <QPushButton>

#include <optional>

// The Range Information view, the frame frm_View of the main window: the user
// types a mask and picks the class; View Range Information checks the mask and
// lists its segments on the placeholder prefix, and picking a segment shows
// its first and last assignable address. Every change of the mask or the
// class empties the list and the addresses, so they always belong to the
// current inputs.
class RangeInformationView : public QObject {
    Q_OBJECT

public:
    // Builds the view's controls into `pane`; showing the pane is the caller's.
    RangeInformationView(QWidget* pane, SharedState& state, MessageBoxService& messages);

    // The View menu's reset: class B, with its option selected, and nothing else.
    void resetToClassB();
    // The hand-over: selects the class, puts the mask and lists its segments.
    void listSegmentsOf(NetworkClass chosen, SubnetMask mask);
    void focusFirstInput();

private:
    void rb_B2_Click();
    void cmd_Discover_Click();
    void rb_C2_Click();
    void txt_SubnetMask_Change();
    void list_Range_Click();
    bool ValidateMask(const RangeInformation& answer);

    void pickClass(NetworkClass chosen);
    void emptyList();
    void showRows(const SegmentRows& rows);
    SegmentRow rowAt(int k) const;
    void clearAddresses();
    void refuse(const Refusal& refusal);
    void offerCopying();
    void describeForAccessibility(const QWidget* pane);
    QString allSegmentsText() const;

    OptionButton* rb_B2;
    OptionButton* rb_C2;
    TextBox* txt_SubnetMask;
    QPushButton* cmd_Discover;
    ListBox* list_Range;
    Label* lbl_Start;
    Label* lbl_End;
    Label* lbl_Ext2;
    // The mask the listed rows belong to, as the check accepted it; none
    // once the list is emptied, which every change of the mask text does. A
    // row is never read against the text again.
    std::optional<SubnetMask> listedMask_;
    SharedState& state_;
    MessageBoxService& messages_;
};
