// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnwell-cli from its arguments to its exit status and both streams, one
// table per command: what the window answers, what it refuses and with which
// message, and what is not a request at all.

#include "cli/answers.h"
#include "cli/run_cli.h"
#include "common/app_info.h"
#include "discovery/mask_answer.h"
#include "qstring_printer.h"
#include "ranges/mask_check.h"
#include "ranges/segment_list.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

namespace {

using ::PrintTo;

struct Printed {
    int status;
    QString out;
    QString err;
};

// arguments: separated by blanks; "--subnets=" passes an empty text.
Printed run(const char* arguments) {
    QStringList words{QStringLiteral("tarnwell-cli")};
    words += QString::fromLatin1(arguments).split(u' ', Qt::SkipEmptyParts);
    Printed printed{0, {}, {}};
    QTextStream out(&printed.out);
    QTextStream err(&printed.err);
    printed.status = runCli(words, out, err);
    return printed;
}

// One row: an answer on standard output (status 0), or a refusal given with
// the window's message (status 1), or a usage error (status 2), whose first
// line names the problem.
struct CliCase {
    const char* name;
    const char* arguments;
    const char16_t* out;
    const Refusal* refusal;
    const char16_t* usageProblem;
};

constexpr CliCase answers(const char* name, const char* arguments, const char16_t* out) {
    return {name, arguments, out, nullptr, nullptr};
}

constexpr CliCase refuses(const char* name, const char* arguments, const Refusal& refusal) {
    return {name, arguments, u"", &refusal, nullptr};
}

constexpr CliCase misuses(const char* name, const char* arguments, const char16_t* problem) {
    return {name, arguments, u"", nullptr, problem};
}

class CliTable : public testing::TestWithParam<CliCase> {};

TEST_P(CliTable, PrintsTheWindowsAnswer) {
    const CliCase& c = GetParam();
    const Printed printed = run(c.arguments);
    EXPECT_EQ(printed.out, QString::fromUtf16(c.out));
    if (c.refusal) {
        EXPECT_EQ(printed.status, 1);
        EXPECT_EQ(printed.err,
                  c.refusal->title.toString() + u'\n' + c.refusal->text.toString() + u'\n');
    } else if (c.usageProblem) {
        EXPECT_EQ(printed.status, 2);
        const QStringList lines = printed.err.split(u'\n');
        EXPECT_EQ(lines.value(0),
                  QStringLiteral("tarnwell-cli: ") + QString::fromUtf16(c.usageProblem));
        EXPECT_TRUE(lines.value(1).startsWith(QStringLiteral("Usage: tarnwell-cli ")))
            << printed.err.toStdString();
    } else {
        EXPECT_EQ(printed.status, 0);
        EXPECT_EQ(printed.err, QString());
    }
}

const CliCase maskCases[] = {
    answers("B_Subnets6", "mask B --subnets 6",
            u"255.255.224.0\n6 segments with 8190 hosts per segment.\n"),
    answers("C_Nodes30", "mask C --nodes 30",
            u"255.255.255.224\n6 segments with 30 hosts per segment.\n"),
    answers("C_OneSegment", "mask C --subnets 1",
            u"255.255.255.0\n1 segments with 254 hosts per segment.\n"),
    answers("LeadingZeros", "mask B --subnets 007",
            u"255.255.240.0\n14 segments with 4094 hosts per segment.\n"),
    answers("Fraction", "mask B --subnets 2.5",
            u"255.255.224.0\n6 segments with 8190 hosts per segment.\n"),
    refuses("FractionPastTheLastRange", "mask B --subnets 16382.5", entryErrorRefusal),
    refuses("Negative", "mask B --subnets -3", entryErrorRefusal),
    refuses("TooFewNodes", "mask C --nodes 4", entryErrorRefusal),
    refuses("Letters", "mask B --nodes 3O", entryErrorRefusal),
    answers("EmptyAsksNothing", "mask B --subnets= --nodes 30",
            u"255.255.255.224\n2046 segments with 30 hosts per segment.\n"),
    misuses("Neither", "mask B", u"give one of --subnets and --nodes"),
    misuses("Both", "mask B --subnets 6 --nodes 30", u"give one of --subnets and --nodes"),
    misuses("Twice", "mask B --subnets 6 --subnets 7", u"--subnets is given more than once"),
    misuses("NoClass", "mask --subnets 6", u"wrong number of arguments for mask"),
    misuses("LowerCaseClass", "mask b --subnets 6", u"the class is B or C, not \"b\""),
};
INSTANTIATE_TEST_SUITE_P(Mask, CliTable, testing::ValuesIn(maskCases), rowName);

const CliCase segmentsCases[] = {
    answers("B_224", "segments B 255.255.224.0",
            u"Available Segments\tStarting Address\tEnding Address\n"
            u"X.Y.192.0\tX.Y.192.1\tX.Y.223.254\n"
            u"X.Y.160.0\tX.Y.160.1\tX.Y.191.254\n"
            u"X.Y.128.0\tX.Y.128.1\tX.Y.159.254\n"
            u"X.Y.96.0\tX.Y.96.1\tX.Y.127.254\n"
            u"X.Y.64.0\tX.Y.64.1\tX.Y.95.254\n"
            u"X.Y.32.0\tX.Y.32.1\tX.Y.63.254\n"),
    answers("C_192_OnANetwork", "segments C 255.255.255.192 --network 192.168.10",
            u"Available Segments\tStarting Address\tEnding Address\n"
            u"192.168.10.128\t192.168.10.129\t192.168.10.190\n"
            u"192.168.10.64\t192.168.10.65\t192.168.10.126\n"),
    answers("StandardB", "segments B 255.255.0.0", u"X.Y.0.1\tX.Y.255.254\n"),
    misuses("LeadingZeroNetwork", "segments C 255.255.255.0 --network 192.168.010",
            u"--network takes a Class C network as three numbers 0 to 255 without leading "
            u"zeros, the first 192 to 223, such as 192.168.10"),
    answers("NoRowsCopyNothing", "segments B 255.255.128.0", u""),
    answers("C_128_BothHalves", "segments C 255.255.255.128",
            u"Available Segments\tStarting Address\tEnding Address\n"
            u"X.Y.Z.128\tX.Y.Z.129\tX.Y.Z.254\n"
            u"X.Y.Z.0\tX.Y.Z.1\tX.Y.Z.126\n"),
    refuses("Prefix", "segments B 255.254.0.0", prefixRefusal),
    refuses("ClassC", "segments C 255.255.0.0", classCRefusal),
    refuses("General", "segments B 255.255.64.0", generalRefusal),
    misuses("NoMask", "segments B", u"wrong number of arguments for segments"),
    misuses("SubnetsOption", "segments B 255.255.224.0 --subnets 6",
            u"--subnets and --nodes belong to the mask command"),
    misuses("NetworkOfClassC", "segments B 255.255.224.0 --network 192.168",
            u"--network takes a Class B network as two numbers 0 to 255 without leading "
            u"zeros, the first 128 to 191, such as 172.16"),
    misuses("NetworkTooLong", "segments B 255.255.224.0 --network 172.16.1",
            u"--network takes a Class B network as two numbers 0 to 255 without leading "
            u"zeros, the first 128 to 191, such as 172.16"),
    misuses("NetworkOver255", "segments C 255.255.255.192 --network 192.168.256",
            u"--network takes a Class C network as three numbers 0 to 255 without leading "
            u"zeros, the first 192 to 223, such as 192.168.10"),
    // A prefix length's dotted mask meets the mask check as typed text would.
    refuses("PrefixLength0", "segments B /0", prefixRefusal),
    refuses("PrefixLength8", "segments B /8", prefixRefusal),
    refuses("ClassC_PrefixLength16", "segments C /16", classCRefusal),
    refuses("PrefixLength32", "segments B /32", generalRefusal),
    misuses("PrefixLength33", "segments B /33", u"the prefix length is /0 to /32, not \"/33\""),
    misuses("PrefixLengthLetter", "segments B /x", u"the prefix length is /0 to /32, not \"/x\""),
    misuses("PrefixLengthMissing", "range C / X.Y.Z.64",
            u"the prefix length is /0 to /32, not \"/\""),
    misuses("PrefixLengthLeadingZero", "segments C /026",
            u"the prefix length is /0 to /32, not \"/026\""),
    misuses("PrefixLengthTwoDigitsLeadingZero", "segments C /05",
            u"the prefix length is /0 to /32, not \"/05\""),
    misuses("PrefixLengthSign", "segments C /+5", u"the prefix length is /0 to /32, not \"/+5\""),
    misuses("PrefixLengthPastAnInt", "segments C /4294967296",
            u"the prefix length is /0 to /32, not \"/4294967296\""),
};
INSTANTIATE_TEST_SUITE_P(Segments, CliTable, testing::ValuesIn(segmentsCases), rowName);

const CliCase rangeCases[] = {
    answers("B_Middle", "range B 255.255.224.0 X.Y.160.0", u"X.Y.160.1\tX.Y.191.254\n"),
    answers("C_FirstRowEndsAtTheMask", "range C 255.255.255.192 X.Y.Z.128",
            u"X.Y.Z.129\tX.Y.Z.190\n"),
    answers("B_LastRowOnANetwork", "range B 255.255.240.0 172.16.16.0 --network 172.16",
            u"172.16.16.1\t172.16.31.254\n"),
    answers("B_StandardCMaskListsItsSegments", "range B 255.255.255.0 X.Y.254.0",
            u"X.Y.254.1\tX.Y.254.254\n"),
    answers("B_FourGroups", "range B 255.255.255.192 X.Y.254.192", u"X.Y.254.193\tX.Y.254.254\n"),
    refuses("NotListed", "range B 255.255.224.0 X.Y.161.0", segmentNotListedRefusal),
    refuses("InsideAFourGroupSegment", "range B 255.255.255.192 X.Y.254.32",
            segmentNotListedRefusal),
    refuses("StandardMaskListsNone", "range B 255.255.0.0 X.Y.1.0", segmentNotListedRefusal),
    refuses("MaskCheckedFirst", "range C 255.255.255.0192 X.Y.Z.128", generalRefusal),
    misuses("NoSegment", "range B 255.255.224.0", u"wrong number of arguments for range"),
    misuses("SegmentLeadingZero", "range B 255.255.224.0 X.Y.096.0",
            u"the segment's numbers have no leading zeros, not \"X.Y.096.0\""),
    misuses("SegmentLeadingZeroOnANetwork", "range B 255.255.224.0 172.016.96.0 --network 172.16",
            u"the segment's numbers have no leading zeros, not \"172.016.96.0\""),
    refuses("ZeroIsNoLeadingZero", "range B 255.255.255.0 X.Y.0.0", segmentNotListedRefusal),
};
INSTANTIATE_TEST_SUITE_P(Range, CliTable, testing::ValuesIn(rangeCases), rowName);

const CliCase otherCases[] = {
    misuses("NoCommand", "", u"no command given"),
    misuses("UnknownCommand", "list B", u"unknown command \"list\""),
    misuses("UnknownOption", "mask B --subnet 6", u"Unknown option 'subnet'."),
};
INSTANTIATE_TEST_SUITE_P(Other, CliTable, testing::ValuesIn(otherCases), rowName);

// A prefix length answers exactly what its dotted mask answers, the dotted
// mask being what is printed.
struct PrefixLengthCase {
    const char* name;
    const char* arguments;
    const char* dotted;
};

class CliPrefixLength : public testing::TestWithParam<PrefixLengthCase> {};

TEST_P(CliPrefixLength, AnswersAsItsDottedMask) {
    const Printed byLength = run(GetParam().arguments);
    const Printed dotted = run(GetParam().dotted);
    EXPECT_EQ(byLength.status, 0) << byLength.err.toStdString();
    EXPECT_EQ(byLength.out, dotted.out);
    EXPECT_EQ(byLength.err, dotted.err);
}

const PrefixLengthCase prefixLengthCases[] = {
    {"B26_OnANetwork", "segments B /26 --network 172.16",
     "segments B 255.255.255.192 --network 172.16"},
    {"C27_Range", "range C /27 X.Y.Z.64", "range C 255.255.255.224 X.Y.Z.64"},
    {"B16_Json", "segments B /16 --json", "segments B 255.255.0.0 --json"},
    {"B17_Json", "segments B /17 --json", "segments B 255.255.128.0 --json"},
    {"B24_RangeJson", "range B /24 X.Y.254.0 --json", "range B 255.255.255.0 X.Y.254.0 --json"},
    {"C31_Json", "segments C /31 --json", "segments C 255.255.255.254 --json"},
};
INSTANTIATE_TEST_SUITE_P(PrefixLength, CliPrefixLength, testing::ValuesIn(prefixLengthCases),
                         rowName);

TEST(CliPrintout, VersionAndHelp) {
    EXPECT_EQ(run("--version").out,
              QStringLiteral("tarnwell-cli ") + QLatin1String(applicationVersion) + u'\n');
    const Printed help = run("mask B --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tarnwell-cli mask B|C")))
        << help.out.toStdString();
    // Put together from the class table.
    EXPECT_TRUE(help.out.simplified().contains(
        u"Write addresses on this network (172.16 for Class B, 192.168.10 for Class C) instead "
        u"of X.Y or X.Y.Z."))
        << help.out.toStdString();
}

// --json: the whole object, as the README documents its shape.
struct JsonCase {
    const char* name;
    const char* arguments;
    const char* json; // compact
};

class CliJson : public testing::TestWithParam<JsonCase> {};

TEST_P(CliJson, PrintsOneObject) {
    const Printed printed = run(GetParam().arguments);
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(printed.out.toUtf8()).toJson(QJsonDocument::Compact),
              QByteArray(GetParam().json));
}

const JsonCase jsonCases[] = {
    {"Mask", "mask B --subnets 6 --json",
     R"({"class":"B","hostsPerSegment":8190,"mask":"255.255.224.0","prefix":19,"segments":6})"},
    {"Segments", "segments C 255.255.255.192 --json",
     R"({"class":"C","hostsPerSegment":62,"mask":"255.255.255.192","network":"X.Y.Z","prefix":26,)"
     R"("segments":[{"broadcast":"X.Y.Z.191","end":"X.Y.Z.190","segment":"X.Y.Z.128","start":"X.Y.Z.129"},)"
     R"({"broadcast":"X.Y.Z.127","end":"X.Y.Z.126","segment":"X.Y.Z.64","start":"X.Y.Z.65"}]})"},
    {"StandardMask", "segments B 255.255.0.0 --json --network 172.16",
     R"({"broadcast":"172.16.255.255","class":"B","end":"172.16.255.254","hostsPerSegment":65534,)"
     R"("mask":"255.255.0.0","network":"172.16","prefix":16,"start":"172.16.0.1"})"},
    {"RangeWithAFourthGroup", "range B 255.255.255.192 X.Y.254.192 --json",
     R"({"broadcast":"X.Y.254.255","class":"B","end":"X.Y.254.254","hostsPerSegment":62,)"
     R"("mask":"255.255.255.192","network":"X.Y","prefix":26,"segment":"X.Y.254.192","start":"X.Y.254.193"})"},
    // A lenient class B mask counts its third group alone.
    {"RangeOfALenientMask", "range B 255.255.192.77 X.Y.64.0 --json",
     R"({"broadcast":"X.Y.127.255","class":"B","end":"X.Y.127.254","hostsPerSegment":16382,)"
     R"("mask":"255.255.192.77","network":"X.Y","prefix":18,"segment":"X.Y.64.0","start":"X.Y.64.1"})"},
    {"RangeWithoutHosts", "range C 255.255.255.254 X.Y.Z.252 --json",
     R"({"broadcast":"X.Y.Z.253","class":"C","end":"None","hostsPerSegment":0,"mask":"255.255.255.254",)"
     R"("network":"X.Y.Z","prefix":31,"segment":"X.Y.Z.252","start":"None"})"},
};
INSTANTIATE_TEST_SUITE_P(Json, CliJson, testing::ValuesIn(jsonCases), rowName);

} // namespace
