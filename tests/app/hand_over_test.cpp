// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "class_letter.h"
#include "click_row.h"
#include "common/label.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "qstring_printer.h"
#include "table_rows.h"
#include "window_fixture.h"

namespace {

class HandOverTest : public WindowFixture {
protected:
    void discover(bool classC, const char* box, const char* request) {
        if (classC)
            click("rb_C");
        type(box, QString::fromLatin1(request));
        click("cmd_Calc");
        ASSERT_TRUE(messages.shown.isEmpty());
    }

    bool selected(const char* option) const { return control<OptionButton>(option)->value(); }
};

TEST_F(HandOverTest, CarriesAClassBMaskOverAndListsItsSegments) {
    discover(false, "txt_Subnets", "6");
    click("cmd_View");

    EXPECT_TRUE(control<QWidget>("frm_View")->isVisible());
    EXPECT_EQ(window.windowTitle(), "Tarnwell - Range Discovery");
    EXPECT_TRUE(selected("rb_B2"));
    EXPECT_FALSE(selected("rb_C2"));
    EXPECT_EQ(caption("lbl_Ext2"), "X.Y.0.0");
    EXPECT_EQ(control<QLineEdit>("txt_SubnetMask")->text(), "255.255.224.0");
    EXPECT_EQ(rows(), QStringList({"X.Y.192.0", "X.Y.160.0", "X.Y.128.0", "X.Y.96.0", "X.Y.64.0",
                                   "X.Y.32.0"}));
    EXPECT_TRUE(caption("lbl_Start").isEmpty());
    // The discovery beneath keeps its inputs and results.
    EXPECT_EQ(control<QLineEdit>("txt_Subnets")->text(), "6");
    EXPECT_EQ(caption("lbl_MaskAnswer"), "255.255.224.0");
}

TEST_F(HandOverTest, ClassCReplacesClassBAndWhatWasTyped) {
    choose("menu_ViewRI");
    retype("txt_SubnetMask", "255.255.240.0");
    click("cmd_Discover");
    ASSERT_EQ(rows().size(), 14);
    choose("menu_ViewSMD");

    discover(true, "txt_hosts", "20");
    click("cmd_View");

    EXPECT_FALSE(selected("rb_B2"));
    EXPECT_TRUE(selected("rb_C2"));
    EXPECT_EQ(letterOf(window.state().networkClass()), "C");
    EXPECT_EQ(window.state().NetPattern(), "X.Y.Z");
    EXPECT_EQ(caption("lbl_Ext2"), "X.Y.Z.0");
    EXPECT_EQ(control<QLineEdit>("txt_SubnetMask")->text(), "255.255.255.224");
    EXPECT_EQ(rows(), QStringList({"X.Y.Z.192", "X.Y.Z.160", "X.Y.Z.128", "X.Y.Z.96", "X.Y.Z.64",
                                   "X.Y.Z.32"}));
}

TEST_F(HandOverTest, ClassBAfterClassCGoesBackToClassB) {
    choose("menu_ViewRI");
    click("rb_C2");
    choose("menu_ViewSMD");
    discover(false, "txt_hosts", "1000");
    click("cmd_View");

    EXPECT_TRUE(selected("rb_B2"));
    EXPECT_FALSE(selected("rb_C2"));
    EXPECT_EQ(letterOf(window.state().networkClass()), "B");
    EXPECT_EQ(rows().size(), 62); // 255.255.252.0
}

// A single subnet discovers the standard mask, whose range shows at once.
TEST_F(HandOverTest, StandardMasksFillTheAddressesInstead) {
    discover(true, "txt_Subnets", "1");
    click("cmd_View");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(caption("lbl_Start"), "X.Y.Z.1");
    EXPECT_EQ(caption("lbl_End"), "X.Y.Z.254");
}

// What Calculate promised, View Subnets lists: as many segments, each with
// as many hosts; and no message, since a discovered mask is always accepted.
struct Promise {
    const char* name;
    bool classC;
    const char* box;
    const char* request;
    const char* sentence;
    int rowCount;
    int row;
    const char* segment;
    const char* start;
    const char* end;
};

using ::PrintTo;

class PromisedSegments : public HandOverTest, public testing::WithParamInterface<Promise> {};

TEST_P(PromisedSegments, AreListed) {
    const Promise& promise = GetParam();
    discover(promise.classC, promise.box, promise.request);
    ASSERT_EQ(caption("lbl_Discovery"), promise.sentence);
    click("cmd_View");
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(rows().size(), promise.rowCount);
    EXPECT_EQ(rows().at(promise.row), promise.segment);
    clickRow(control<ListBox>("list_Range"), promise.row);
    EXPECT_EQ(caption("lbl_Start"), promise.start);
    EXPECT_EQ(caption("lbl_End"), promise.end);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Discoveries, PromisedSegments, testing::Values(
    Promise{"B_50Nodes", false, "txt_hosts", "50", "1022 segments with 62 hosts per segment.",
            1022, 3, "X.Y.254.192", "X.Y.254.193", "X.Y.254.254"},
    Promise{"B_200Nodes", false, "txt_hosts", "200", "254 segments with 254 hosts per segment.",
            254, 0, "X.Y.254.0", "X.Y.254.1", "X.Y.254.254"},
    Promise{"C_2Subnets", true, "txt_Subnets", "2", "2 segments with 126 hosts per segment.",
            2, 1, "X.Y.Z.0", "X.Y.Z.1", "X.Y.Z.126"}),
    rowName);
// clang-format on

} // namespace
