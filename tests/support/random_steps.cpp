// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_steps.h"

#include <QtGlobal>

#include <algorithm>

quint64 fromEnvironment(const char* name, quint64 fallback) {
    bool read = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&read);
    return read ? value : fallback;
}

std::vector<Step> randomSteps(quint64 seed, int count, const std::vector<int>& weights) {
    std::discrete_distribution<int> anyAction(weights.begin(), weights.end());
    std::mt19937_64 engine(seed);
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) {
        const int action = anyAction(engine);
        steps.push_back({action, engine()});
    }
    return steps;
}

std::vector<Step> shrink(std::vector<Step> steps, const QString& rule, const Replay& replay,
                         int replays) {
    for (size_t run = steps.size() / 2; run > 0; run /= 2) {
        for (size_t start = 0; start < steps.size() && replays > 0; --replays) {
            std::vector<Step> fewer = steps;
            fewer.erase(fewer.begin() + qsizetype(start),
                        fewer.begin() + qsizetype(std::min(start + run, fewer.size())));
            const Outcome outcome = replay(fewer);
            if (outcome.failedAt >= 0 && outcome.rule == rule) {
                fewer.resize(size_t(outcome.failedAt) + 1);
                steps = std::move(fewer);
            } else {
                start += run;
            }
        }
    }
    return steps;
}
