// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>

#include <optional>

// The network class chosen last, in whichever view. The main window owns the
// one instance and hands it to the views; the rules take the class and its
// placeholder prefix as arguments instead. Only the class is kept: its
// prefix is read from the class table, so it always names the same class.
class SharedState {
public:
    // Its placeholder prefix, "X.Y" or "X.Y.Z"; empty until the window has loaded.
    QString NetPattern() const {
        return chosen_ ? QString::fromLatin1(facts(*chosen_).netPattern) : QString();
    }
    // The class chosen. Until the window has loaded, class B, which loading
    // selects; no handler runs before that.
    NetworkClass networkClass() const { return chosen_.value_or(NetworkClass::B); }

    void select(NetworkClass chosen) { chosen_ = chosen; }

private:
    std::optional<NetworkClass> chosen_;
};
