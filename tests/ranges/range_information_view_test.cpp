// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "class_letter.h"
#include "click_row.h"
#include "common/label.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "qstring_printer.h"
#include "range_information_invariants.h"
#include "ranges/mask_check.h"
#include "table_rows.h"
#include "window_fixture.h"

#include <functional>

namespace {

class RangeInformationViewTest : public WindowFixture {
protected:
    RangeInformationViewTest() { choose("menu_ViewRI"); }

    void pickClassC() { QTest::mouseClick(control<OptionButton>("rb_C2"), Qt::LeftButton); }

    void listMask(const QString& mask) {
        retype("txt_SubnetMask", mask);
        click("cmd_Discover");
    }

    void pickRow(int k) { clickRow(list(), k); }

    ListBox* list() const { return control<ListBox>("list_Range"); }
    QString start() const { return control<Label>("lbl_Start")->caption(); }
    QString end() const { return control<Label>("lbl_End")->caption(); }
    QString maskText() const { return control<QLineEdit>("txt_SubnetMask")->text(); }
};

TEST_F(RangeInformationViewTest, ListsClassBSegmentsAndShowsAPickedRange) {
    listMask("255.255.240.0");
    const QStringList listed = rows();
    ASSERT_EQ(listed.size(), 14);
    EXPECT_EQ(listed.front(), "X.Y.224.0");
    EXPECT_EQ(listed.back(), "X.Y.16.0");

    pickRow(13);
    EXPECT_EQ(start(), "X.Y.16.1");
    EXPECT_EQ(end(), "X.Y.31.254");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RangeInformationViewTest, RowsPickedInAnyOrderShowTheirOwnRange) {
    pickClassC();
    listMask("255.255.255.224");
    ASSERT_EQ(rows().size(), 6);
    // Segment n of block 32 runs from n + 1 to n + 30.
    for (int k : {3, 0, 5, 0, 2}) {
        pickRow(k);
        const int n = 192 - 32 * k;
        EXPECT_EQ(start(), QStringLiteral("X.Y.Z.%1").arg(n + 1)) << k;
        EXPECT_EQ(end(), QStringLiteral("X.Y.Z.%1").arg(n + 30)) << k;
    }
}

TEST_F(RangeInformationViewTest, KeyboardPicksRowsToo) {
    listMask("255.255.192.0");
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(list()->listIndex(), 1);
    EXPECT_EQ(start(), "X.Y.64.1");
    EXPECT_EQ(end(), "X.Y.127.254");
}

TEST_F(RangeInformationViewTest, SegmentsWithoutAssignableAddressesReadNone) {
    listMask("255.255.255.254");
    ASSERT_EQ(rows().size(), 32766);
    pickRow(32765);
    EXPECT_EQ(start(), "None");
    EXPECT_EQ(end(), "None");

    pickClassC();
    listMask("255.255.255.254");
    ASSERT_EQ(rows().size(), 126);
    pickRow(0);
    EXPECT_EQ(start(), "None");
    EXPECT_EQ(end(), "None");
}

TEST_F(RangeInformationViewTest, StandardMasksShowTheWholeRangeAtOnce) {
    listMask("255.255.0.0");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(start(), "X.Y.0.1");
    EXPECT_EQ(end(), "X.Y.255.254");

    pickClassC();
    listMask("255.255.255.0");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(start(), "X.Y.Z.1");
    EXPECT_EQ(end(), "X.Y.Z.254");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RangeInformationViewTest, ListingTwiceGivesEachRowOnce) {
    listMask("255.255.224.0");
    click("cmd_Discover");
    EXPECT_EQ(rows(), QStringList({"X.Y.192.0", "X.Y.160.0", "X.Y.128.0", "X.Y.96.0", "X.Y.64.0",
                                   "X.Y.32.0"}));
}

TEST_F(RangeInformationViewTest, AnEmptyMaskListsNothingAndSaysNothing) {
    listMask("255.255.224.0");
    retype("txt_SubnetMask", "");
    click("cmd_Discover");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

struct Refused {
    const char* name;
    bool classC;
    const char* mask;
    Refusal refusal;
};

using ::PrintTo;

class RefusedMask : public RangeInformationViewTest,
                    public ::testing::WithParamInterface<Refused> {};

// Each refusal shows one information box, leaves the list empty and the mask
// as typed, and puts the keyboard back in the mask box.
TEST_P(RefusedMask, ShowsItsMessageAndReturnsToTheMaskBox) {
    const Refused& row = GetParam();
    if (row.classC)
        pickClassC();
    listMask(QString::fromLatin1(row.mask));

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, row.refusal.text.toString());
    EXPECT_EQ(messages.shown[0].title, row.refusal.title.toString());
    EXPECT_EQ(messages.shown[0].style, 64);
    EXPECT_EQ(window.focusWidget(), control<QWidget>("txt_SubnetMask"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(maskText(), QString::fromLatin1(row.mask));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messages, RefusedMask, ::testing::Values(
    Refused{"short_text",            false, "255.255",           prefixRefusal},
    Refused{"leading_blank",         true,  " 255.255.255.0",    prefixRefusal},
    Refused{"letters",               false, "mask",              prefixRefusal},
    Refused{"class_b_mask_for_c",    true,  "255.255.0.0",       classCRefusal},
    Refused{"no_dot_after_third",    false, "255.255.192",       generalRefusal},
    Refused{"fourth_group_too_long", false, "255.255.255.192.1", generalRefusal},
    Refused{"leading_zero_group",    true,  "255.255.255.0192",  generalRefusal}),
    rowName);
// clang-format on

TEST_F(RangeInformationViewTest, EveryStepOfASessionKeepsTheInvariants) {
    const std::pair<const char*, std::function<void()>> session[] = {
        {"list class B",
         [&] {
             listMask("255.255.224.0");
         }},
        {"pick a row",
         [&] {
             pickRow(2);
         }},
        {"pick class C",
         [&] {
             pickClassC();
         }},
        {"list class C",
         [&] {
             listMask("255.255.255.240");
         }},
        {"pick the last row",
         [&] {
             pickRow(13);
         }},
        {"type a digit",
         [&] {
             type("txt_SubnetMask", "5");
         }},
        {"list what was typed",
         [&] {
             click("cmd_Discover");
         }},
        {"list the standard mask",
         [&] {
             listMask("255.255.255.0");
         }},
        {"reset from the menu",
         [&] {
             choose("menu_ViewRI");
         }},
        {"list class C's standard mask",
         [&] {
             listMask("255.255.255.0");
         }},
        {"list class B again",
         [&] {
             listMask("255.255.254.0");
         }},
        {"pick its last row",
         [&] {
             pickRow(125);
         }},
    };
    EXPECT_EQ(brokenRangeInformationInvariant(*this), QString());
    for (const auto& [step, act] : session) {
        SCOPED_TRACE(step);
        act();
        EXPECT_EQ(brokenRangeInformationInvariant(*this), QString());
    }
}

TEST_F(RangeInformationViewTest, TypingAfterAListingEmptiesIt) {
    listMask("255.255.248.0");
    pickRow(2);
    ASSERT_FALSE(start().isEmpty());
    QTest::keyClick(control<QWidget>("txt_SubnetMask"), Qt::Key_Backspace);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(start().isEmpty());
    EXPECT_TRUE(end().isEmpty());
}

TEST_F(RangeInformationViewTest, TheOtherClassClearsTheView) {
    listMask("255.255.252.0");
    pickRow(0);
    pickClassC();
    EXPECT_TRUE(maskText().isEmpty());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(start().isEmpty());
    EXPECT_TRUE(end().isEmpty());
    EXPECT_EQ(control<Label>("lbl_Ext2")->caption(), "X.Y.Z.0");
    EXPECT_EQ(letterOf(window.state().networkClass()), "C");
    EXPECT_EQ(window.state().NetPattern(), "X.Y.Z");
    EXPECT_FALSE(control<OptionButton>("rb_B2")->value());
}

TEST_F(RangeInformationViewTest, ChoosingTheViewAgainResetsItToClassB) {
    pickClassC();
    listMask("255.255.255.240");
    pickRow(1);

    choose("menu_ViewRI");

    EXPECT_TRUE(control<OptionButton>("rb_B2")->value());
    EXPECT_FALSE(control<OptionButton>("rb_C2")->value());
    EXPECT_EQ(letterOf(window.state().networkClass()), "B");
    EXPECT_EQ(window.state().NetPattern(), "X.Y");
    EXPECT_EQ(control<Label>("lbl_Ext2")->caption(), "X.Y.0.0");
    EXPECT_TRUE(maskText().isEmpty());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(start().isEmpty());
    EXPECT_TRUE(end().isEmpty());
    EXPECT_EQ(window.windowTitle(), "Tarnwell - Range Information");
}

} // namespace
