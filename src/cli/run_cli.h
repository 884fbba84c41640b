// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTextStream>

// tarnwell-cli from its arguments (the program's name first) to its exit
// status: the answer on out; a refusal (status 1) or a usage error (status 2)
// on err. main() hands it the standard streams, tests streams of their own.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The exit status once both streams are flushed: runCli's, or 3 when either
// lost output, which err names in one line while it can still be written.
int flushOutput(int status, QTextStream& out, QTextStream& err);
