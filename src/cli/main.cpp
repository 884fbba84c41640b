// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run_cli.h"

#include <cstdio>

// No QCoreApplication: nothing here needs an event loop, plugins or the
// application's paths, and doing without one keeps the start as short as
// QtCore's own loading allows. The arguments are read as the local 8-bit
// text QCoreApplication would read them with on Linux; every argument the
// rules accept is ASCII.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return flushOutput(runCli(arguments, out, err), out, err);
}
