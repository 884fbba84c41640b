// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/mask_check.h"

#include "class_letter.h"
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
    EXPECT_EQ(checkMask(QString::fromUtf16(c.mask), classLetter(QStringView(c.ipClass))),
              c.expected);
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
    {"B_Empty", u"", u"B", BadPrefix},
    {"C_TooShort", u"255.255", u"C", BadPrefix},
    {"B_LeadingBlank", u" 255.255.0.0", u"B", BadPrefix},
    {"C_LeadingBlank", u" 255.255.255.0", u"C", BadPrefix},
    {"B_WrongSecondGroup", u"255.254.0.0", u"B", BadPrefix},
    {"B_FourthGroupAfterZero", u"255.255.0.128", u"B", BadSubnetGroups},
    {"B_NotPartialThird", u"255.255.64.0", u"B", BadSubnetGroups},
    {"B_AllOnes", u"255.255.255.255", u"B", BadSubnetGroups},
    {"B_WholeRestJudged", u"255.255.255.192.1", u"B", BadSubnetGroups},
    {"B_ThirdGroupEndingInDot", u"255.255.255.", u"B", BadSubnetGroups},
    {"B_NoDotAfterThird", u"255.255.192", u"B", BadSubnetGroups},
    {"B_PrefixOnly", u"255.255.", u"B", BadSubnetGroups},
    {"B_LeadingZeroThird", u"255.255.0192.0", u"B", BadSubnetGroups},
    {"B_LeadingZeroFourth", u"255.255.255.0192", u"B", BadSubnetGroups},
    {"B_BlankAfterGroup", u"255.255.192 .0", u"B", BadSubnetGroups},
    {"B_StandardWithTrailingDot", u"255.255.0.0.", u"B", BadSubnetGroups},
    {"C_StandardB", u"255.255.0.0", u"C", NotClassCMask},
    {"C_NoDotAfterThird", u"255.255.255", u"C", NotClassCMask},
    {"C_PrefixOnly", u"255.255.", u"C", NotClassCMask},
    {"C_PartialThird", u"255.255.192.0", u"C", NotClassCMask},
    {"C_AllOnes", u"255.255.255.255", u"C", BadSubnetGroups},
    {"C_DoubleZero", u"255.255.255.00", u"C", BadSubnetGroups},
    {"C_EndingInDot", u"255.255.255.", u"C", BadSubnetGroups},
    {"C_LeadingZeroFourth", u"255.255.255.0192", u"C", BadSubnetGroups},
    {"C_TrailingBlank", u"255.255.255.192 ", u"C", BadSubnetGroups},
    {"C_MoreGroups", u"255.255.255.192.0", u"C", BadSubnetGroups},
    {"C_OtherDigits", u"255.255.255.\u0661\u0669\u0662", u"C", BadSubnetGroups},
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
        EXPECT_EQ(checkMask(mask(n, 0), NetworkClass::B), acceptedB ? Accepted : BadSubnetGroups);
        EXPECT_EQ(checkMask(mask(n, 0), NetworkClass::C), n == 255 ? Accepted : NotClassCMask);
    }
}

TEST(MaskCheckSweep, FourthGroupAfter255) {
    for (int n = 0; n <= 255; ++n) {
        SCOPED_TRACE(n);
        const MaskCheck expected = n == 0 || partialGroups.contains(n) ? Accepted : BadSubnetGroups;
        EXPECT_EQ(checkMask(mask(255, n), NetworkClass::B), expected);
        EXPECT_EQ(checkMask(mask(255, n), NetworkClass::C), expected);
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
    {"Prefix", BadPrefix, u"Subnet Mask Format Error",
     u"The subnet mask you have entered is not valid.  Subnet masks for Class B and C networks "
     u"start with 255.255.  Please correct your mask and try again."},
    {"ClassC", NotClassCMask, u"Subnet Mask Formatting Error",
     u"You have entered an invalid Class C subnet mask.  Class C subnet masks start with "
     u"255.255.255.  Please try again."},
    {"General", BadSubnetGroups, u"Subnet Mask Formatting Error",
     u"The subnet mask you have entered is not valid.  Please try again."},
};
INSTANTIATE_TEST_SUITE_P(Refusals, MaskRefusalTable, testing::ValuesIn(refusalCases), rowName);

TEST(MaskRefusal, AcceptedMaskHasNone) {
    EXPECT_FALSE(maskRefusal(Accepted).has_value());
}

} // namespace
