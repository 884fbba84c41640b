// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts tarnwell-cli as fresh processes, turn about with two floors (a
// program printing one line without Qt, and one printing it through QtCore,
// built with the same flags) and with sipcalc, and prints the time from start
// to exit of each with tarnwell-cli's ratios. Then it times the answers alone,
// in process, so that what the start costs stands apart from the work.
//
//   tarnwell_cli_bench [runs]      (default 200 of each)

#include "cli/run_cli.h"
#include "fresh_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

struct Contender {
    const char* label;
    std::vector<std::string> argv;
    std::vector<double> ms;
    std::vector<double> peakMiB;
};

double minimum(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

void printRatio(const char* label, const Contender& top, const Contender& bottom,
                const char* target) {
    std::printf("%-44s %10.3f %10.3f   %s\n", label, minimum(top.ms) / minimum(bottom.ms),
                median(top.ms) / median(bottom.ms), target);
}

// Microseconds per answer, runCli called in process with the arguments given.
double answerMicroseconds(const QStringList& arguments) {
    constexpr int calls = 2000;
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        if (runCli(arguments, outStream, errStream) != 0)
            throw std::runtime_error("runCli refused the benchmark's request");
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - started;
    return spent.count() / calls;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<Contender> contenders{
        {"program printing one line, no Qt", {BARE_CXX_PROGRAM}, {}, {}},
        {"bare QtCore program printing one line", {BARE_CORE_PROGRAM}, {}, {}},
        {"tarnwell-cli mask B --subnets 6", {TARNWELL_CLI, "mask", "B", "--subnets", "6"}, {}, {}},
        {"tarnwell-cli segments B 255.255.255.0",
         {TARNWELL_CLI, "segments", "B", "255.255.255.0"},
         {},
         {}},
        {"sipcalc 172.16.0.0/19", {"sipcalc", "172.16.0.0/19"}, {}, {}},
    };
    try {
        for (Contender& contender : contenders)
            runFresh(contender.argv); // warms the file cache
        for (int i = 0; i < runs; ++i) {
            for (Contender& contender : contenders) {
                const FreshRun run = runFresh(contender.argv);
                contender.ms.push_back(static_cast<double>(run.endedNs - run.startedNs) / 1e6);
                contender.peakMiB.push_back(run.peakMiB);
            }
        }
        std::printf("Start to exit, %d fresh processes of each, turn about\n", runs);
        std::printf("%-44s %10s %10s %14s\n", "", "minimum ms", "median ms", "peak RSS MiB");
        for (const Contender& c : contenders)
            std::printf("%-44s %10.2f %10.2f %14.2f\n", c.label, minimum(c.ms), median(c.ms),
                        median(c.peakMiB));
        const Contender& bareCore = contenders[1];
        const Contender& sipcalc = contenders[4];
        std::printf("%-44s %10s %10s\n", "ratio", "minimum", "median");
        printRatio("mask / bare QtCore", contenders[2], bareCore, "(target: median <= 1.25)");
        printRatio("segments / bare QtCore", contenders[3], bareCore, "(target: median <= 1.25)");
        printRatio("mask / sipcalc", contenders[2], sipcalc, "");
        printRatio("segments / sipcalc", contenders[3], sipcalc, "");
        printRatio("bare QtCore / program without Qt", bareCore, contenders[0], "");

        std::printf("\nThe answer alone, runCli in process (mean of 2000 calls)\n");
        std::printf("%-44s %10.1f us\n", "mask B --subnets 6",
                    answerMicroseconds({"tarnwell-cli", "mask", "B", "--subnets", "6"}));
        std::printf("%-44s %10.1f us\n", "segments B 255.255.255.0 (254 rows)",
                    answerMicroseconds({"tarnwell-cli", "segments", "B", "255.255.255.0"}));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tarnwell_cli_bench: %s\n", failure.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
