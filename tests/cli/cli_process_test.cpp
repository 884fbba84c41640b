// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built tarnwell-cli started as a script starts it (under Wine for the
// Windows build): its answer reaches standard output, a refusal or a usage
// error standard error, and the exit status tells them apart.

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct ProcessCase {
    QStringList arguments;
    int status;
    const char* out;
    const char* err;
};

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
    for (const ProcessCase& c : cases) {
        QProcess cli;
        cli.start(QStringLiteral(TARNWELL_CLI), c.arguments);
        ASSERT_TRUE(cli.waitForFinished(60'000)) << cli.errorString().toStdString();
        // The Windows console takes its lines ending in "\r\n".
        const auto printed = [](const QByteArray& bytes) {
            return QString::fromLocal8Bit(bytes).remove(u'\r');
        };
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(printed(cli.readAllStandardOutput()), QString::fromLatin1(c.out));
        EXPECT_EQ(printed(cli.readAllStandardError()), QString::fromLatin1(c.err));
    }
}

} // namespace
