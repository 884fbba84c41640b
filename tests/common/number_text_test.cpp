// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/number_text.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(ReadDecimal, ReadsPlainDecimalNumbers) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"0", 0},    {"6", 6},   {"007", 7},       {"2.5", 2.5}, {"5.", 5},
        {".5", 0.5}, {"0.0", 0}, {"65534", 65534}, {"1.0", 1.0}, {"123456789012", 123456789012.0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readDecimal(QString::fromUtf8(row.text)), row.value) << row.text;
}

TEST(ReadDecimal, RefusesEverythingElse) {
    const char* const texts[] = {
        "",     ".",   " 6",  "6 ",  "+6",  "-6",     "6e3",    "1.2.3", "2,5",
        "0x10", "inf", "nan", "six", "6\n", "\u0666", "\uFF16", "..5",   "1..",
    };
    for (const char* text : texts)
        EXPECT_FALSE(readDecimal(QString::fromUtf8(text)).has_value()) << text;
    EXPECT_FALSE(readDecimal(QString(400, u'9')).has_value());
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"224", 224},  {"32.", 32}, {"2.0", 2}, {"2.0.", 2}, {"128", 128},
        {"1.5x", 1.5}, {"", 0},     {"abc", 0}, {".", 0},    {".5", 0.5},
        {"-3", 0},     {" 7", 0},   {"7 ", 7},  {"007", 7},
    };
    for (const auto& row : rows)
        EXPECT_EQ(leadingNumber(QString::fromUtf8(row.text)), row.value) << row.text;
}

// A run beyond a double is read by which end of the range it leaves.
TEST(LeadingNumber, RunsBeyondADoubleReadAsTheNearestEnd) {
    const QString zeros(330, u'0');
    const QString nines(400, u'9');
    const struct {
        QString text;
        double value;
    } rows[] = {
        {u'.' + QString(323, u'0') + u'1', 0},
        {"0." + zeros + "1x", 0},
        {"000." + zeros + "5.9", 0},
        {"0." + QString(310, u'0') + u'1', 1e-311},
        {nines, std::numeric_limits<double>::max()},
        {"000" + nines + ".5", std::numeric_limits<double>::max()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(leadingNumber(row.text), row.value) << row.text.left(12).toStdString();
}

TEST(NumberText, WritesTheShortestDecimalForm) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {8190, "8190"}, {0, "0"},    {-1, "-1"},   {65534, "65534"},
        {1, "1"},       {-0.0, "0"}, {2.5, "2.5"}, {1e20, "1e+20"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(numberText(row.value), QString::fromLatin1(row.text)) << row.value;
}

} // namespace
