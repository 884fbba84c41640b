// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/range_information_layout.h"

#include "common/control_table.h"
#include "ranges/segment_table.h"

#include <array>

namespace {

using namespace trait;

using enum ControlKind;

constexpr const char* pane = nullptr;

// Line1 runs from (1680, 720) to (4560, 720): its width column is its length.
// clang-format off
constexpr std::array controls{
//  name              kind           container   caption                                    left   top  width height tab  traits  points
    ControlRow{"frm_View",       Frame,         pane,       "",                                          0, -120, 4695, 2895, 12, borderless},
    ControlRow{"frm_Class",      Frame,         "frm_View", "Class",                                   135,  285, 1365,  615, 28},
    ControlRow{"rb_B2",          OptionButton,  "frm_Class", "B",                                      120,  240,  495,  255, 29, selected},
    ControlRow{"rb_C2",          OptionButton,  "frm_Class", "C",                                      720,  240,  495,  255, 30},
    ControlRow{"lbl_SMLU",       Label,         "frm_View", "Find IP range based on Subnet Mask:",    1680,  120, 1335,  615, 16, wraps},
    ControlRow{"txt_SubnetMask", TextBox,       "frm_View", "",                                       3120,  240, 1335,  285, 15},
    ControlRow{"Line1",          Line,          "frm_View", "",                                       1680,  720, 2880,    0, -1},
    ControlRow{"frm_blank",      Frame,         "frm_View", "",                                         15,  960, 1620, 1095, 13},
    ControlRow{"Label1",         Label,         "frm_blank", "ISP, InterNIC, or private address format", 135, 120, 1305,  615, 14, centred | wraps},
    ControlRow{"lbl_Ext2",       Label,         "frm_blank", ".0.0",                                   120,  750, 1365,  255, 31, centred | border | bold},
    ControlRow{"Label2",         Label,         "frm_View", availableSegmentsCaption,                 1800,  840, 1455,  255, 19},
    ControlRow{"list_Range",     ListBox,       "frm_View", "",                                       1725, 1095, 1530, 1620, 18},
    ControlRow{"Label3",         Label,         "frm_View", startingAddressCaption,                   3360, 1440, 1215,  255, 20},
    ControlRow{"lbl_Start",      Label,         "frm_View", "",                                       3360, 1680, 1215,  255, 22, border},
    ControlRow{"labelx",         Label,         "frm_View", endingAddressCaption,                     3360, 2040, 1215,  255, 21},
    ControlRow{"lbl_End",        Label,         "frm_View", "",                                       3360, 2280, 1215,  255, 23, border},
    ControlRow{"cmd_Discover",   CommandButton, "frm_View", "View Range Information",                  120, 2160, 1455,  495, 17},
};
// clang-format on

} // namespace

void buildRangeInformationControls(QWidget* pane) {
    buildControls(pane, controls);
}
