// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window_layout.h"

#include "ranges/segment_table.h"

#include <array>

namespace {

using namespace trait;

using enum ControlKind;

constexpr const char* window = nullptr;

// clang-format off
constexpr std::array maskDiscovery{
//  name              kind           container        caption                                    left   top  width height tab  traits  points
    ControlRow{"frm_ClassType",  Frame,         window,          "Class",                                    150,    0, 1455,  615, 24},
    ControlRow{"rb_B",           OptionButton,  "frm_ClassType", "B",                                        240,  240,  495,  195, 26, selected},
    ControlRow{"rb_C",           OptionButton,  "frm_ClassType", "C",                                        720,  240,  495,  195, 25},
    ControlRow{"frm_display",    Frame,         window,          "",                                          60,  600, 1650, 1095,  3},
    ControlRow{"lbl_InterNic",   Label,         "frm_display",   "ISP, InterNIC, or private address format", 120,  135, 1410,  615,  0, centred | wraps},
    ControlRow{"lbl_ClassExt",   Label,         "frm_display",   ".0.0",                                     120,  720, 1365,  255, 27, centred | border | bold},
    ControlRow{"lbl_info1",      Label,         window,          "Desired subnets:",                        2160,  120,  705,  435,  2, wraps},
    ControlRow{"txt_Subnets",    TextBox,       window,          "",                                        2880,  120,  975,  405,  1, centred | bold, 12},
    ControlRow{"lbl_info2",      Label,         window,          "or",                                      2040,  480,  135,  195,  4, autoSize},
    ControlRow{"lbl_info3",      Label,         window,          "Desired nodes:",                          2160,  720,  660,  390,  6, wraps},
    ControlRow{"txt_hosts",      TextBox,       window,          "",                                        2880,  720,  975,  405,  5, centred | bold, 12},
    ControlRow{"cmd_Calc",       CommandButton, window,          "Calculate",                               1800, 1200, 1215,  495,  7, disabled},
    ControlRow{"cmd_View",       CommandButton, window,          "View Subnets",                            3240, 1200, 1215,  495, 10, disabled},
    ControlRow{"lbl_Mask",       Label,         window,          "Closest Match to your requested information can be met with",
                                                                                                              120, 1800, 4455,  255,  8},
    ControlRow{"lbl_MaskAnswer", Label,         window,          "",                                         120, 2040, 1710,  300,  9, centred | border | bold, 9.75},
    ControlRow{"Label4",         Label,         window,          "with this subnet, which allows:",         1920, 2040, 2655,  255, 32},
    ControlRow{"lbl_Discovery",  Label,         window,          "",                                         120, 2400, 4515,  315, 11, border | bold},
};

// Line1 runs from (1680, 720) to (4560, 720): its width column is its length.
constexpr std::array rangeInformation{
//  name              kind           container   caption                                    left   top  width height tab  traits  points
    ControlRow{"frm_View",       Frame,         window,     "",                                          0, -120, 4695, 2895, 12, borderless},
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

std::span<const ControlRow> maskDiscoveryLayout() {
    return maskDiscovery;
}

std::span<const ControlRow> rangeInformationLayout() {
    return rangeInformation;
}
