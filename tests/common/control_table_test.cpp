// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A fault in a layout table stops the program with the row's name, in every
// build: the Windows suites run this in a release build.

#include "common/control_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BrokenTable {
    const char* name;
    std::vector<ControlRow> rows;
    const char* message; // a plain-text regular expression
};

TEST(ControlTable, StopsOnARowThatCannotBeBuilt) {
    const ControlRow frame{"frm_A", ControlKind::Frame, nullptr, "A", 0, 0, 900, 900, 0};
    const ControlRow label{"lbl_A", ControlKind::Label, nullptr, "A", 0, 0, 300, 200, 1};
    const auto in = [](ControlRow row, const char* container) {
        row.name = "row_Broken";
        row.container = container;
        return row;
    };
    const BrokenTable tables[] = {
        {"container missing",
         {frame, in(label, "frm_B")},
         "row_Broken names frm_B as its container, which is no frame of an earlier row"},
        {"container after it", {in(label, "frm_A"), frame}, "row_Broken names frm_A as its"},
        {"container no frame", {label, in(label, "lbl_A")}, "row_Broken names lbl_A as its"},
        {"unknown kind",
         {in({"", ControlKind(99), nullptr, "", 0, 0, 0, 0, -1}, nullptr)},
         "row_Broken has an unknown control kind 99"},
    };
    // A child process of its own, so that the QApplication it inherits does
    // not matter; Qt's message reaches standard error on Windows too.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
    for (const BrokenTable& table : tables) {
        SCOPED_TRACE(table.name);
        QWidget client;
        EXPECT_DEATH(buildControls(&client, table.rows), table.message);
    }
}

} // namespace
