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
    const CheckedMask checked =
        checkMask(QString::fromUtf16(c.mask), classLetter(QStringView(c.ipClass)));
    EXPECT_EQ(checked.outcome, c.expected);
    EXPECT_FALSE(checked.accepted.has_value()) << "a refused text hands over no mask";
}

using enum MaskCheck;

struct AcceptedCase {
    const char* name;
    const char16_t* mask;
    const char16_t* ipClass;
    int prefixLength;
    const char* dotted; // the mask's own text: a lenient text stands for its third group
};

class AcceptedMaskTable : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedMaskTable, HandsOverTheMask) {
    const AcceptedCase& c = GetParam();
    const CheckedMask checked =
        checkMask(QString::fromUtf16(c.mask), classLetter(QStringView(c.ipClass)));
    EXPECT_EQ(checked.outcome, Accepted);
    ASSERT_TRUE(checked.accepted.has_value());
    EXPECT_EQ(checked.accepted->prefixLength(), c.prefixLength);
    EXPECT_EQ(checked.accepted->dotted(), QString::fromLatin1(c.dotted));
}

// Every text each class accepts, and the lenient class B forms.
const AcceptedCase acceptedCases[] = {
    {"B_StandardB", u"255.255.0.0", u"B", 16, "255.255.0.0"},
    {"B_Third128", u"255.255.128.0", u"B", 17, "255.255.128.0"},
    {"B_Third192", u"255.255.192.0", u"B", 18, "255.255.192.0"},
    {"B_Third224", u"255.255.224.0", u"B", 19, "255.255.224.0"},
    {"B_Third240", u"255.255.240.0", u"B", 20, "255.255.240.0"},
    {"B_Third248", u"255.255.248.0", u"B", 21, "255.255.248.0"},
    {"B_Third252", u"255.255.252.0", u"B", 22, "255.255.252.0"},
    {"B_Third254", u"255.255.254.0", u"B", 23, "255.255.254.0"},
    {"B_StandardC", u"255.255.255.0", u"B", 24, "255.255.255.0"},
    {"B_Fourth128", u"255.255.255.128", u"B", 25, "255.255.255.128"},
    {"B_Fourth192", u"255.255.255.192", u"B", 26, "255.255.255.192"},
    {"B_Fourth224", u"255.255.255.224", u"B", 27, "255.255.255.224"},
    {"B_Fourth240", u"255.255.255.240", u"B", 28, "255.255.255.240"},
    {"B_Fourth248", u"255.255.255.248", u"B", 29, "255.255.255.248"},
    {"B_Fourth252", u"255.255.255.252", u"B", 30, "255.255.255.252"},
    {"B_Fourth254", u"255.255.255.254", u"B", 31, "255.255.255.254"},
    {"B_LenientAnyFourth", u"255.255.192.77", u"B", 18, "255.255.192.0"},
    {"B_LenientEndingInDot", u"255.255.192.", u"B", 18, "255.255.192.0"},
    {"B_LenientMoreGroups", u"255.255.240.1.2", u"B", 20, "255.255.240.0"},
    {"B_LenientLettersAfter", u"255.255.128.xyz", u"B", 17, "255.255.128.0"},
    {"B_LenientPartialFourth", u"255.255.254.255", u"B", 23, "255.255.254.0"},
    {"C_StandardC", u"255.255.255.0", u"C", 24, "255.255.255.0"},
    {"C_Fourth128", u"255.255.255.128", u"C", 25, "255.255.255.128"},
    {"C_Fourth192", u"255.255.255.192", u"C", 26, "255.255.255.192"},
    {"C_Fourth224", u"255.255.255.224", u"C", 27, "255.255.255.224"},
    {"C_Fourth240", u"255.255.255.240", u"C", 28, "255.255.255.240"},
    {"C_Fourth248", u"255.255.255.248", u"C", 29, "255.255.255.248"},
    {"C_Fourth252", u"255.255.255.252", u"C", 30, "255.255.255.252"},
    {"C_Fourth254", u"255.255.255.254", u"C", 31, "255.255.255.254"},
};
INSTANTIATE_TEST_SUITE_P(EveryShape, AcceptedMaskTable, testing::ValuesIn(acceptedCases), rowName);

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
        EXPECT_EQ(checkMask(mask(n, 0), NetworkClass::B).outcome,
                  acceptedB ? Accepted : BadSubnetGroups);
        EXPECT_EQ(checkMask(mask(n, 0), NetworkClass::C).outcome,
                  n == 255 ? Accepted : NotClassCMask);
    }
}

TEST(MaskCheckSweep, FourthGroupAfter255) {
    for (int n = 0; n <= 255; ++n) {
        SCOPED_TRACE(n);
        const MaskCheck expected = n == 0 || partialGroups.contains(n) ? Accepted : BadSubnetGroups;
        EXPECT_EQ(checkMask(mask(255, n), NetworkClass::B).outcome, expected);
        EXPECT_EQ(checkMask(mask(255, n), NetworkClass::C).outcome, expected);
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
