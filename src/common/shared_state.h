// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>

// The network class chosen last, in whichever view, and the placeholder
// prefix every segment and address is written on. The main window owns the
// one instance and hands it to the views; the rules take the values as
// arguments instead.
class SharedState {
public:
    // The class's letter; empty until the window has loaded.
    const QString& IPClass() const { return IPClass_; }
    // Its placeholder prefix, "X.Y" or "X.Y.Z"; empty until the window has loaded.
    const QString& NetPattern() const { return NetPattern_; }
    // The class IPClass names. Until the window has loaded, class B, which
    // loading selects; no handler runs before that.
    NetworkClass networkClass() const { return networkClass_; }

    // The only writer of all three, so they always name the same class.
    void select(NetworkClass chosen) {
        networkClass_ = chosen;
        IPClass_ = QString::fromLatin1(facts(chosen).letter);
        NetPattern_ = QString::fromLatin1(facts(chosen).netPattern);
    }

private:
    NetworkClass networkClass_ = NetworkClass::B;
    QString IPClass_;
    QString NetPattern_;
};
