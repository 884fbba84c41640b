// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Mask Discovery view as it builds itself into a pane of its own: its
// controls where the design puts them, its keyboard order and what it tells a
// screen reader.

#include "accessibility_checks.h"
#include "common/twips.h"
#include "discovery/mask_discovery_view.h"
#include "placed_controls.h"
#include "qstring_printer.h"
#include "view_pane_fixture.h"

namespace {

// clang-format off
constexpr Placed layout[] = {
    {"frm_ClassType",  "QGroupBox",    nullptr,         "Class",                                   150,    0, 1455,  615},
    {"rb_B",           "QRadioButton", "frm_ClassType", "B",                                       240,  240,  495,  195},
    {"rb_C",           "QRadioButton", "frm_ClassType", "C",                                       720,  240,  495,  195},
    {"frm_display",    "QWidget",      nullptr,         "",                                         60,  600, 1650, 1095},
    {"lbl_InterNic",   "QLabel",       "frm_display",   "ISP, InterNIC, or private address format", 120, 135, 1410,  615},
    {"lbl_ClassExt",   "QLabel",       "frm_display",   ".0.0",                                    120,  720, 1365,  255},
    {"lbl_info1",      "QLabel",       nullptr,         "Desired subnets:",                       2160,  120,  705,  435},
    {"txt_Subnets",    "QLineEdit",    nullptr,         "",                                       2880,  120,  975,  405},
    {"lbl_info3",      "QLabel",       nullptr,         "Desired nodes:",                         2160,  720,  660,  390},
    {"txt_hosts",      "QLineEdit",    nullptr,         "",                                       2880,  720,  975,  405},
    {"cmd_Calc",       "QPushButton",  nullptr,         "Calculate",                              1800, 1200, 1215,  495},
    {"cmd_View",       "QPushButton",  nullptr,         "View Subnets",                           3240, 1200, 1215,  495},
    {"lbl_Mask",       "QLabel",       nullptr,         "Closest Match to your requested information can be met with",
                                                                                                   120, 1800, 4455,  255},
    {"lbl_MaskAnswer", "QLabel",       nullptr,         "",                                        120, 2040, 1710,  300},
    {"Label4",         "QLabel",       nullptr,         "with this subnet, which allows:",        1920, 2040, 2655,  255},
    {"lbl_Discovery",  "QLabel",       nullptr,         "",                                        120, 2400, 4515,  315},
};
// clang-format on

using MaskDiscoveryLayoutTest = ViewPaneFixture<MaskDiscoveryView>;

TEST_F(MaskDiscoveryLayoutTest, ControlsSitInTheirContainersAsDesigned) {
    expectPlaced(&pane, layout);
    // "or" fits its box to its text; only where it starts is given.
    EXPECT_EQ(controlNamed<QLabel>(&pane, "lbl_info2")->text(), QStringLiteral("or"));
    EXPECT_EQ(control("lbl_info2")->pos(), QPoint(twipsToPixels(2040), twipsToPixels(480)));
}

TEST_F(MaskDiscoveryLayoutTest, TabFollowsTheDesignedOrder) {
    const QStringList order = {"txt_Subnets", "txt_hosts", "cmd_Calc", "cmd_View", "rb_C", "rb_B"};
    EXPECT_EQ(tabChain(control("txt_Subnets"), order), order);
}

TEST_F(MaskDiscoveryLayoutTest, ControlsTellAScreenReaderWhatTheyHold) {
    const Told told[] = {
        {"txt_Subnets", "Desired subnets", ""},
        {"txt_hosts", "Desired nodes", ""},
        {"lbl_ClassExt", nullptr, "Network address format"},
        {"lbl_MaskAnswer", nullptr, "Closest matching subnet mask"},
        {"lbl_Discovery", nullptr, "Segments and hosts per segment"},
    };
    for (const Told& row : told)
        expectTold(&pane, row);
    expectLabels(&pane, "lbl_info1", "txt_Subnets");
    expectLabels(&pane, "lbl_info3", "txt_hosts");
    EXPECT_EQ(control("lbl_InterNic")->toolTip(),
              QStringLiteral("This Class B address will have been assigned to you and will look "
                             "like 192.127.0.0 or if you use a private internal address, the "
                             "address will be like 10.5.0.0"));
}

} // namespace
