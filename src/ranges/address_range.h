// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A segment's first and last assignable address, written on the placeholder
// prefix, or "None" for both where it has none.
struct AddressRange {
    QString start;
    QString end;
};
