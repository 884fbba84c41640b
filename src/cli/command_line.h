// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>
#include <QStringList>
#include <variant>

// What tarnwell-cli's arguments ask for.

enum class Command { Mask, Segments, Range };

// A question for the rules, with every text exactly as given.
struct Request {
    Command command = Command::Mask;
    NetworkClass networkClass = NetworkClass::B;
    QString network; // what addresses are written on: the placeholder prefix, or --network's
    QString subnets; // mask: one of these two is given, the other is empty
    QString nodes;
    QString mask;    // segments and range
    QString segment; // range: a row as segments prints it
    bool json = false;
};

// Help or the version, printed as it stands.
struct Printout {
    QString text;
};

// Arguments that ask nothing the program knows: what is wrong, and the usage
// line of the command it concerns.
struct UsageError {
    QString problem;
    QString usage;
};

using CommandLine = std::variant<Request, Printout, UsageError>;

// arguments: the program's name, then its arguments.
CommandLine readCommandLine(const QStringList& arguments);
