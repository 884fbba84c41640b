// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/refusal.h"

#include <QString>

// What the Range Information view shows besides its list: a refusal in an
// information message box, or a segment's first and last assignable address.

struct AddressRange {
    QString start;
    QString end;
};
