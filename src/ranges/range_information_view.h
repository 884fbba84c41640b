// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/label.h"
#include "common/list_box.h"
#include "common/message_box.h"
#include "common/option_button.h"
#include "common/shared_state.h"
#include "common/text_box.h"
#include "ranges/refusal_and_range.h"

#include <QObject>
#include <QPushButton>
#include <QStringList>

// The Range Information view, the frame frm_View of the main window: the user
// types a mask and picks the class; View Range Information checks the mask and
// lists its segments on the placeholder prefix, and picking a segment shows
// its first and last assignable address. Every change of the mask or the
// class empties the list and the addresses, so they always belong to the
// current inputs.
class RangeInformationView : public QObject {
public:
    // Takes the view's controls from the built window.
    RangeInformationView(QWidget* window, SharedState& state, MessageBoxService& messages);

    // The View menu's reset: class B, with its option selected, and nothing else.
    void resetToClassB();
    // The hand-over: selects the class, puts the mask and lists its segments.
    void listSegmentsOf(const NetworkClass& chosen, const QString& mask);
    void focusFirstInput();

private:
    void rb_B2_Click();
    void cmd_Discover_Click();
    void rb_C2_Click();
    void txt_SubnetMask_Change();
    void list_Range_Click();
    bool ValidateMask(const QString& mask);

    void pickClass(const NetworkClass& chosen);
    void clearAddresses();
    void refuse(const Refusal& refusal);
    void offerCopying();
    QString allSegmentsText() const;

    OptionButton* const rb_B2;
    OptionButton* const rb_C2;
    TextBox* const txt_SubnetMask;
    QPushButton* const cmd_Discover;
    ListBox* const list_Range;
    Label* const lbl_Start;
    Label* const lbl_End;
    Label* const lbl_Ext2;
    SharedState& state_;
    MessageBoxService& messages_;
};
