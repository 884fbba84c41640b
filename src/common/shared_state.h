// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The texts that go with each class: its letter, its placeholder prefix and
// the placeholder network shown beside the class options.
struct NetworkClass {
    const char* ipClass;
    const char* netPattern;
    const char* network;
};

inline constexpr NetworkClass classB{"B", "X.Y", "X.Y.0.0"};
inline constexpr NetworkClass classC{"C", "X.Y.Z", "X.Y.Z.0"};

// The network class chosen last, in whichever view, and the placeholder
// prefix every segment and address is written on. The main window owns the
// one instance and hands it to the views; the rules take the values as
// arguments instead.
class SharedState {
public:
    // "B" or "C"; empty until the window has loaded.
    const QString& IPClass() const { return IPClass_; }
    // "X.Y" or "X.Y.Z"; empty until the window has loaded.
    const QString& NetPattern() const { return NetPattern_; }

    // The only writer of both, so they always name the same class.
    void select(const NetworkClass& chosen) {
        IPClass_ = QString::fromLatin1(chosen.ipClass);
        NetPattern_ = QString::fromLatin1(chosen.netPattern);
    }

private:
    QString IPClass_;
    QString NetPattern_;
};
