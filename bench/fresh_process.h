// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// Starting a program as a fresh process and timing it, for the start-up
// benchmarks.

long long monotonicNs();

struct FreshRun {
    long long startedNs; // the monotonic clock just before the start
    long long endedNs;   // ... once the process has ended
    std::string out;     // everything it printed on standard output
    double peakMiB;      // its peak resident memory
};

// Starts argv[0] (a path, or a name looked up in the PATH) with the rest as
// its arguments, reads its standard output to the end and waits for it.
// Throws when it cannot start or does not exit with status 0.
FreshRun runFresh(const std::vector<std::string>& argv);

double median(std::vector<double> values);
