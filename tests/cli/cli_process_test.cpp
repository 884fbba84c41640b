// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built tarnwell-cli started as a script starts it (under Wine for the
// Windows build): its answer reaches standard output, a refusal or a usage
// error standard error, and the exit status tells them apart.

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace {

struct ProcessCase {
    QStringList arguments;
    int status;
    const char* out;
    const char* err;
    // Where a stream goes instead of back to the test, such as /dev/full.
    const char* outFile = nullptr;
    const char* errFile = nullptr;
};

void expectPrinted(const ProcessCase& c) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    QProcess cli;
    if (c.outFile)
        cli.setStandardOutputFile(QString::fromLatin1(c.outFile));
    if (c.errFile)
        cli.setStandardErrorFile(QString::fromLatin1(c.errFile));
    cli.start(QStringLiteral(TARNWELL_CLI), c.arguments);
    ASSERT_TRUE(cli.waitForFinished(60'000)) << cli.errorString().toStdString();
    // The Windows console takes its lines ending in "\r\n".
    const auto printed = [](const QByteArray& bytes) {
        return QString::fromLocal8Bit(bytes).remove(u'\r');
    };
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), c.status);
    EXPECT_EQ(printed(cli.readAllStandardOutput()), QString::fromLatin1(c.out));
    EXPECT_EQ(printed(cli.readAllStandardError()), QString::fromLatin1(c.err));
}

TEST(CliProcess, SeparatesAnswerRefusalAndUsage) {
    const ProcessCase cases[] = {
        {{"mask", "B", "--subnets", "6"},
         0,
         "255.255.224.0\n6 segments with 8190 hosts per segment.\n",
         ""},
        {{"range", "C", "255.255.255.192", "X.Y.Z.64"}, 0, "X.Y.Z.65\tX.Y.Z.126\n", ""},
        {{"mask", "C", "--nodes", "255"},
         1,
         "",
         "Entry Error\nYou have entered a value which is invalid and does not fall into an "
         "accepted IP formatting range.  Please try again.\n"},
        {{"segments", "B"},
         2,
         "",
         "tarnwell-cli: wrong number of arguments for segments\n"
         "Usage: tarnwell-cli segments B|C MASK [--json] [--network NET]\n"
         "Try tarnwell-cli --help for more.\n"},
    };
    for (const ProcessCase& c : cases)
        expectPrinted(c);
}

#ifdef Q_OS_LINUX
// Output that is lost is never reported as success; a closed pipe still ends
// the program by SIGPIPE, as `| head` expects.
TEST(CliProcess, ReportsOutputThatCannotBeWritten) {
    const char* full = "/dev/full";
    const char* outLost = "tarnwell-cli: write error on standard output: No space left on device\n";
    const ProcessCase cases[] = {
        {{"mask", "B", "--subnets", "6"}, 3, "", outLost, full},
        // Far more than one buffer: the first failed write is not forgotten.
        {{"segments", "B", "/30"}, 3, "", outLost, full},
        {{"mask", "C", "--nodes", "255"}, 3, "", "", nullptr, full},
        {{"--help"}, 3, "", outLost, full},
    };
    for (const ProcessCase& c : cases)
        expectPrinted(c);

    // A reader that ends at once, far more output than a pipe holds.
    QProcess cli;
    QProcess reader;
    cli.setStandardOutputProcess(&reader);
    reader.start(QStringLiteral("true"), {});
    cli.start(QStringLiteral(TARNWELL_CLI), {"segments", "B", "/30"});
    ASSERT_TRUE(cli.waitForFinished(60'000)) << cli.errorString().toStdString();
    EXPECT_EQ(cli.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(cli.exitCode(), SIGPIPE);
    EXPECT_EQ(QString::fromLocal8Bit(cli.readAllStandardError()), QString());
    reader.waitForFinished();
}
#endif

} // namespace
