// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/mask_discovery_layout.h"

#include "common/control_table.h"

#include <array>

namespace {

using namespace trait;

using enum ControlKind;

constexpr const char* pane = nullptr;

// clang-format off
constexpr std::array controls{
//  name              kind           container        caption                                    left   top  width height tab  traits  points
    ControlRow{"frm_ClassType",  Frame,         pane,            "Class",                                    150,    0, 1455,  615, 24},
    ControlRow{"rb_B",           OptionButton,  "frm_ClassType", "B",                                        240,  240,  495,  195, 26, selected},
    ControlRow{"rb_C",           OptionButton,  "frm_ClassType", "C",                                        720,  240,  495,  195, 25},
    ControlRow{"frm_display",    Frame,         pane,            "",                                          60,  600, 1650, 1095,  3},
    ControlRow{"lbl_InterNic",   Label,         "frm_display",   "ISP, InterNIC, or private address format", 120,  135, 1410,  615,  0, centred | wraps},
    ControlRow{"lbl_ClassExt",   Label,         "frm_display",   ".0.0",                                     120,  720, 1365,  255, 27, centred | border | bold},
    ControlRow{"lbl_info1",      Label,         pane,            "Desired subnets:",                        2160,  120,  705,  435,  2, wraps},
    ControlRow{"txt_Subnets",    TextBox,       pane,            "",                                        2880,  120,  975,  405,  1, centred | bold, 12},
    ControlRow{"lbl_info2",      Label,         pane,            "or",                                      2040,  480,  135,  195,  4, autoSize},
    ControlRow{"lbl_info3",      Label,         pane,            "Desired nodes:",                          2160,  720,  660,  390,  6, wraps},
    ControlRow{"txt_hosts",      TextBox,       pane,            "",                                        2880,  720,  975,  405,  5, centred | bold, 12},
    ControlRow{"cmd_Calc",       CommandButton, pane,            "Calculate",                               1800, 1200, 1215,  495,  7, disabled},
    ControlRow{"cmd_View",       CommandButton, pane,            "View Subnets",                            3240, 1200, 1215,  495, 10, disabled},
    ControlRow{"lbl_Mask",       Label,         pane,            "Closest Match to your requested information can be met with",
                                                                                                              120, 1800, 4455,  255,  8},
    ControlRow{"lbl_MaskAnswer", Label,         pane,            "",                                         120, 2040, 1710,  300,  9, centred | border | bold, 9.75},
    ControlRow{"Label4",         Label,         pane,            "with this subnet, which allows:",         1920, 2040, 2655,  255, 32},
    ControlRow{"lbl_Discovery",  Label,         pane,            "",                                         120, 2400, 4515,  315, 11, border | bold},
};
// clang-format on

const QString interNicToolTip =
    QStringLiteral("This Class B address will have been assigned to you and will look like "
                   "192.127.0.0 or if you use a private internal address, the address will be "
                   "like 10.5.0.0");

} // namespace

void buildMaskDiscoveryControls(QWidget* pane) {
    buildControls(pane, controls);
    controlNamed<QWidget>(pane, "lbl_InterNic")->setToolTip(interNicToolTip);
}
