// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run_cli.h"

#include "cli/answers.h"
#include "cli/command_line.h"

#include <QIODevice>

namespace {

enum ExitStatus { answered = 0, refused = 1, misused = 2, writeFailed = 3 };

// Flushes a stream and says whether everything printed on it reached its
// file; a stream on a string always does.
bool flushed(QTextStream& stream) {
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

// An answer goes to standard output; a refusal, as the window's title and
// text, to standard error.
int printOutcome(const std::variant<QString, Refusal>& outcome, QTextStream& out,
                 QTextStream& err) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        err << refusal->title.toString() << '\n' << refusal->text.toString() << '\n';
        return refused;
    }
    out << std::get<QString>(outcome);
    return answered;
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const CommandLine commandLine = readCommandLine(arguments);
    if (const auto* printout = std::get_if<Printout>(&commandLine)) {
        out << printout->text;
        return answered;
    }
    if (const auto* usage = std::get_if<UsageError>(&commandLine)) {
        err << "tarnwell-cli: " << usage->problem << '\n'
            << usage->usage << '\n'
            << "Try tarnwell-cli --help for more.\n";
        return misused;
    }
    return printOutcome(answer(std::get<Request>(commandLine)), out, err);
}

int flushOutput(int status, QTextStream& out, QTextStream& err) {
    if (!flushed(out)) {
        // Output is lost: a full disk, a closed file. (On Linux a closed pipe
        // ends the program by SIGPIPE before this, as `| head` expects.)
        err << "tarnwell-cli: write error on standard output: " << out.device()->errorString()
            << '\n';
        flushed(err);
        return writeFailed;
    }
    return flushed(err) ? status : writeFailed;
}
