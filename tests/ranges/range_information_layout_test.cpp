// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Range Information view as it builds itself into a pane of its own: its
// controls where the design puts them, its keyboard order and what it tells a
// screen reader.

#include "accessibility_checks.h"
#include "common/twips.h"
#include "placed_controls.h"
#include "qstring_printer.h"
#include "ranges/range_information_view.h"
#include "view_pane_fixture.h"

namespace {

// clang-format off
constexpr Placed layout[] = {
    {"frm_View",       "QWidget",      nullptr,         "",                                          0, -120, 4695, 2895},
    {"frm_Class",      "QGroupBox",    "frm_View",      "Class",                                   135,  285, 1365,  615},
    {"rb_B2",          "QRadioButton", "frm_Class",     "B",                                       120,  240,  495,  255},
    {"rb_C2",          "QRadioButton", "frm_Class",     "C",                                       720,  240,  495,  255},
    {"lbl_SMLU",       "QLabel",       "frm_View",      "Find IP range based on Subnet Mask:",    1680,  120, 1335,  615},
    {"txt_SubnetMask", "QLineEdit",    "frm_View",      "",                                       3120,  240, 1335,  285},
    {"frm_blank",      "QWidget",      "frm_View",      "",                                         15,  960, 1620, 1095},
    {"Label1",         "QLabel",       "frm_blank",     "ISP, InterNIC, or private address format", 135, 120, 1305,  615},
    {"lbl_Ext2",       "QLabel",       "frm_blank",     ".0.0",                                    120,  750, 1365,  255},
    {"Label2",         "QLabel",       "frm_View",      "Available Segments",                     1800,  840, 1455,  255},
    {"list_Range",     "QListWidget",  "frm_View",      "",                                       1725, 1095, 1530, 1620},
    {"Label3",         "QLabel",       "frm_View",      "Starting Address",                       3360, 1440, 1215,  255},
    {"lbl_Start",      "QLabel",       "frm_View",      "",                                       3360, 1680, 1215,  255},
    {"labelx",         "QLabel",       "frm_View",      "Ending Address",                         3360, 2040, 1215,  255},
    {"lbl_End",        "QLabel",       "frm_View",      "",                                       3360, 2280, 1215,  255},
    {"cmd_Discover",   "QPushButton",  "frm_View",      "View Range Information",                  120, 2160, 1455,  495},
};
// clang-format on

using RangeInformationLayoutTest = ViewPaneFixture<RangeInformationView>;

TEST_F(RangeInformationLayoutTest, ControlsSitInTheirContainersAsDesigned) {
    expectPlaced(&pane, layout);
    // Line1 runs from (1680, 720) to (4560, 720) inside frm_View.
    EXPECT_EQ(control("Line1")->parentWidget(), control("frm_View"));
    EXPECT_EQ(control("Line1")->geometry(),
              QRect(twipsToPixels(1680), twipsToPixels(720), twipsToPixels(4560 - 1680), 1));
}

TEST_F(RangeInformationLayoutTest, TabFollowsTheDesignedOrder) {
    const QStringList order = {"txt_SubnetMask", "cmd_Discover", "list_Range", "rb_B2", "rb_C2"};
    EXPECT_EQ(tabChain(control("txt_SubnetMask"), order), order);
}

TEST_F(RangeInformationLayoutTest, ControlsTellAScreenReaderWhatTheyHold) {
    const Told told[] = {
        {"txt_SubnetMask", "Subnet mask", ""},           {"list_Range", "Available Segments", ""},
        {"lbl_Ext2", nullptr, "Network address format"}, {"lbl_Start", nullptr, "Starting Address"},
        {"lbl_End", nullptr, "Ending Address"},
    };
    for (const Told& row : told)
        expectTold(&pane, row);
    expectLabels(&pane, "lbl_SMLU", "txt_SubnetMask");
}

} // namespace
