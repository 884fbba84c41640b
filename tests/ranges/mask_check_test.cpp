// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/mask_check.h"

#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using ::PrintTo;

struct MaskCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    MaskCheck expected;
};

class MaskCheckTable : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskCheckTable, GivesOutcome) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(checkMask(QString::fromUtf16(c.mask), QString::fromUtf16(c.ipClass)), c.expected);
}

using enum MaskCheck;

const MaskCase acceptedCases[] = {
    {"B_StandardB", u"255.255.0.0", u"B", Accepted},
    {"B_StandardC", u"255.255.255.0", u"B", Accepted},
    {"B_PartialThird", u"255.255.192.0", u"B", Accepted},
    {"B_PartialThirdAnyFourth", u"255.255.192.77", u"B", Accepted},
    {"B_PartialThirdEndingInDot", u"255.255.192.", u"B", Accepted},
    {"B_PartialThirdMoreGroups", u"255.255.192.1.2", u"B", Accepted},
    {"B_PartialThirdLettersAfter", u"255.255.128.xyz", u"B", Accepted},
    {"B_PartialFourth", u"255.255.255.192", u"B", Accepted},
    {"B_PartialFourth254", u"255.255.255.254", u"B", Accepted},
    {"C_StandardC", u"255.255.255.0", u"C", Accepted},
    {"C_Partial128", u"255.255.255.128", u"C", Accepted},
    {"C_Partial254", u"255.255.255.254", u"C", Accepted},
};
INSTANTIATE_TEST_SUITE_P(Accepted, MaskCheckTable, testing::ValuesIn(acceptedCases), rowName);

const MaskCase refusedCases[] = {
    {"B_Empty", u"", u"B", PrefixMessage},
    {"C_TooShort", u"255.255", u"C", PrefixMessage},
    {"B_LeadingBlank", u" 255.255.0.0", u"B", PrefixMessage},
    {"C_LeadingBlank", u" 255.255.255.0", u"C", PrefixMessage},
    {"B_WrongSecondGroup", u"255.254.0.0", u"B", PrefixMessage},
    {"Other_WrongPrefix", u"10.0.0.0", u"A", PrefixMessage},
    {"B_FourthGroupAfterZero", u"255.255.0.128", u"B", GeneralMessage},
    {"B_NotPartialThird", u"255.255.64.0", u"B", GeneralMessage},
    {"B_AllOnes", u"255.255.255.255", u"B", GeneralMessage},
    {"B_WholeRestJudged", u"255.255.255.192.1", u"B", GeneralMessage},
    {"B_ThirdGroupEndingInDot", u"255.255.255.", u"B", GeneralMessage},
    {"B_NoDotAfterThird", u"255.255.192", u"B", GeneralMessage},
    {"B_PrefixOnly", u"255.255.", u"B", GeneralMessage},
    {"B_LeadingZeroThird", u"255.255.0192.0", u"B", GeneralMessage},
    {"B_LeadingZeroFourth", u"255.255.255.0192", u"B", GeneralMessage},
    {"B_BlankAfterGroup", u"255.255.192 .0", u"B", GeneralMessage},
    {"B_StandardWithTrailingDot", u"255.255.0.0.", u"B", GeneralMessage},
    {"C_StandardB", u"255.255.0.0", u"C", ClassCMessage},
    {"C_NoDotAfterThird", u"255.255.255", u"C", ClassCMessage},
    {"C_PrefixOnly", u"255.255.", u"C", ClassCMessage},
    {"C_PartialThird", u"255.255.192.0", u"C", ClassCMessage},
    {"C_AllOnes", u"255.255.255.255", u"C", GeneralMessage},
    {"C_DoubleZero", u"255.255.255.00", u"C", GeneralMessage},
    {"C_EndingInDot", u"255.255.255.", u"C", GeneralMessage},
    {"C_LeadingZeroFourth", u"255.255.255.0192", u"C", GeneralMessage},
    {"C_TrailingBlank", u"255.255.255.192 ", u"C", GeneralMessage},
    {"C_MoreGroups", u"255.255.255.192.0", u"C", GeneralMessage},
    {"C_OtherDigits", u"255.255.255.\u0661\u0669\u0662", u"C", GeneralMessage},
    {"Other_Empty", u"255.255.255.0", u"", GeneralMessage},
    {"Other_Lowercase", u"255.255.0.0", u"b", GeneralMessage},
    {"Other_ClassA", u"255.255.255.192", u"A", GeneralMessage},
};
INSTANTIATE_TEST_SUITE_P(Refused, MaskCheckTable, testing::ValuesIn(refusedCases), rowName);

const std::set<int> partialGroups{128, 192, 224, 240, 248, 252, 254};

QString mask(int third, int fourth) {
    return QStringLiteral("255.255.%1.%2").arg(third).arg(fourth);
}

TEST(MaskCheckSweep, ThirdGroup) {
    for (int n = 0; n <= 255; ++n) {
        SCOPED_TRACE(n);
        const bool acceptedB = n == 0 || n == 255 || partialGroups.contains(n);
        EXPECT_EQ(checkMask(mask(n, 0), QStringLiteral("B")),
                  acceptedB ? Accepted : GeneralMessage);
        EXPECT_EQ(checkMask(mask(n, 0), QStringLiteral("C")), n == 255 ? Accepted : ClassCMessage);
    }
}

TEST(MaskCheckSweep, FourthGroupAfter255) {
    for (int n = 0; n <= 255; ++n) {
        SCOPED_TRACE(n);
        const MaskCheck expected = n == 0 || partialGroups.contains(n) ? Accepted : GeneralMessage;
        EXPECT_EQ(checkMask(mask(255, n), QStringLiteral("B")), expected);
        EXPECT_EQ(checkMask(mask(255, n), QStringLiteral("C")), expected);
    }
}

struct RefusalCase {
    const char* name;
    MaskCheck check;
    const char16_t* title;
    const char16_t* text;
};

class MaskRefusalTable : public testing::TestWithParam<RefusalCase> {};

TEST_P(MaskRefusalTable, NamesTitleAndText) {
    const RefusalCase& c = GetParam();
    const std::optional<Refusal> refusal = maskRefusal(c.check);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title, QStringView(c.title));
    EXPECT_EQ(refusal->text, QStringView(c.text));
}

const RefusalCase refusalCases[] = {
    {"Prefix", PrefixMessage, u"Subnet Mask Format Error",
     u"The subnet mask you have entered is not valid.  Subnet masks for Class B and C networks "
     u"start with 255.255.  Please correct your mask and try again."},
    {"ClassC", ClassCMessage, u"Subnet Mask Formatting Error",
     u"You have entered an invalid Class C subnet mask.  Class C subnet masks start with "
     u"255.255.255.  Please try again."},
    {"General", GeneralMessage, u"Subnet Mask Formatting Error",
     u"The subnet mask you have entered is not valid.  Please try again."},
};
INSTANTIATE_TEST_SUITE_P(Refusals, MaskRefusalTable, testing::ValuesIn(refusalCases), rowName);

TEST(MaskRefusal, AcceptedMaskHasNone) {
    EXPECT_FALSE(maskRefusal(Accepted).has_value());
}

} // namespace
