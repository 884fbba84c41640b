// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The manual page's synopsis names the command forms that --help lists, so
// the two cannot drift apart.

#include "cli/run_cli.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// A roff line as it reads: the alternating-font macros (.BR, .RB, .IR...)
// run their words together, .B and .I keep the blanks.
QString rendered(const QString& line) {
    QString text = line;
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    static const QRegularExpression macro(QStringLiteral("^\\.([BIR]{1,2}) (.*)$"));
    const QRegularExpressionMatch match = macro.match(text);
    if (!match.hasMatch())
        return text;
    const QString arguments = match.captured(2);
    return match.captured(1).size() == 2 ? QString(arguments).remove(u' ') : arguments;
}

QStringList manualSynopsis() {
    QFile manual(QStringLiteral(TARNWELL_MANUAL_SOURCE));
    EXPECT_TRUE(manual.open(QIODevice::ReadOnly | QIODevice::Text)) << TARNWELL_MANUAL_SOURCE;
    const QStringList lines = QTextStream(&manual).readAll().split(u'\n');
    QStringList forms;
    QStringList words;
    bool inSynopsis = false;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral(".SH"))) {
            if (inSynopsis)
                break;
            inSynopsis = line == u".SH SYNOPSIS";
        } else if (inSynopsis && line == u".br") {
            forms.append(words.join(u' '));
            words.clear();
        } else if (inSynopsis) {
            words.append(rendered(line));
        }
    }
    forms.append(words.join(u' '));
    return forms;
}

// The usage lines that head --help, "Usage:" taken off.
QStringList helpSynopsis() {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(
        runCli({QStringLiteral("tarnwell-cli"), QStringLiteral("--help")}, outStream, errStream),
        0);
    QStringList forms;
    for (const QString& line : out.split(u'\n')) {
        if (line.isEmpty())
            break;
        forms.append(line.sliced(QStringLiteral("Usage: ").size()));
    }
    return forms;
}

TEST(ManualPage, SynopsisNamesTheCommandFormsOfTheHelp) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the manual page ships with the Linux package only";
#endif
    const QStringList help = helpSynopsis();
    ASSERT_EQ(help.size(), 3) << help.join(u'\n').toStdString();
    EXPECT_EQ(manualSynopsis(), help);
}

} // namespace
