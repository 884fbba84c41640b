// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Property testing by random steps: dice, a sequence of steps drawn by weight,
// and the shrinking of a failing sequence to the fewest steps that still
// break the same rule. What a step does, and which rules hold after it, is
// the test's own.

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <random>
#include <vector>

class Dice {
public:
    explicit Dice(quint64 seed) : engine_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool oneIn(int n) { return below(n) == 0; }
    template <typename T>
    T pick(std::initializer_list<T> items) {
        return items.begin()[below(int(items.size()))];
    }

private:
    std::mt19937_64 engine_;
};

struct Step {
    int action;   // an index into the test's actions
    quint64 seed; // every choice the action makes comes from it
};

struct Outcome {
    qsizetype failedAt = -1; // the step after which a rule was broken
    QString rule;
    QStringList done; // what each step did, "-" when nothing was in reach
};

// An environment variable's number, or the fallback when it holds none.
quint64 fromEnvironment(const char* name, quint64 fallback);

// count steps, each action drawn with its weight.
std::vector<Step> randomSteps(quint64 seed, int count, const std::vector<int>& weights);

// Plays steps from a fresh start and tells how they ended.
using Replay = std::function<Outcome(const std::vector<Step>&)>;

// Drops runs of steps, longest first, while the same rule still breaks, each
// try replayed afresh; at most `replays` tries.
std::vector<Step> shrink(std::vector<Step> steps, const QString& rule, const Replay& replay,
                         int replays = 300);
