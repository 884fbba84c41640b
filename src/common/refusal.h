// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// A request the rules turn down, told as the message the window shows for it:
// the message box's title and its text. The command line prints the same two.
struct Refusal {
    QStringView title;
    QStringView text;
};
