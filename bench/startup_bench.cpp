// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the Tarnwell window and the bare window as fresh processes, turn
// about, and prints the time from start to the first painted frame and the
// peak resident memory of each, with Tarnwell's ratio to the bare window.
//
//   tarnwell_startup_bench [runs]      (default 40 of each)

#include "fresh_process.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Run {
    double firstFrameMs;
    double peakMiB;
};

Run startOnce(const char* program) {
    const FreshRun run = runFresh({program});
    if (run.out.empty())
        throw std::runtime_error(std::string(program) + " did not report a painted frame");
    return {static_cast<double>(std::stoll(run.out) - run.startedNs) / 1e6, run.peakMiB};
}

struct Summary {
    double minimumMs;
    double medianMs;
    double peakMiB; // median of the runs' peaks
};

Summary summarise(const std::vector<Run>& runs) {
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Run& run : runs) {
        times.push_back(run.firstFrameMs);
        peaks.push_back(run.peakMiB);
    }
    return {*std::min_element(times.begin(), times.end()), median(times), median(peaks)};
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    try {
        startOnce(BARE_WINDOW_PROBE); // warms the file cache for both
        startOnce(TARNWELL_PROBE);
        std::vector<Run> bare;
        std::vector<Run> tarnwell;
        for (int i = 0; i < runs; ++i) {
            bare.push_back(startOnce(BARE_WINDOW_PROBE));
            tarnwell.push_back(startOnce(TARNWELL_PROBE));
        }
        const Summary b = summarise(bare);
        const Summary t = summarise(tarnwell);
        std::printf("Start to first painted frame, %d fresh processes of each\n", runs);
        std::printf("%-22s %12s %12s %16s\n", "", "minimum ms", "median ms", "peak RSS MiB");
        std::printf("%-22s %12.2f %12.2f %16.2f\n", "bare QMainWindow", b.minimumMs, b.medianMs,
                    b.peakMiB);
        std::printf("%-22s %12.2f %12.2f %16.2f\n", "Tarnwell main window", t.minimumMs, t.medianMs,
                    t.peakMiB);
        std::printf("%-22s %12.3f %12.3f %16.3f   (targets: median and memory <= 1.10)\n",
                    "ratio Tarnwell / bare", t.minimumMs / b.minimumMs, t.medianMs / b.medianMs,
                    t.peakMiB / b.peakMiB);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tarnwell_startup_bench: %s\n", failure.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
