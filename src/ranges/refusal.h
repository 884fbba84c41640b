// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// Why a rule turns the user's input down: the title and text of the
// information message box that says so.
struct Refusal {
    QStringView title;
    QStringView text;
};
