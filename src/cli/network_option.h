// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>
#include <optional>

// Addresses as tarnwell-cli reads them from its arguments. Their numbers are
// written as the program writes them, without leading zeros: other tools read
// "016" as octal 14, so it is refused rather than guessed.

// The real network that --network names, written in place of the class's
// placeholder prefix: as many numbers 0 to 255 as the class's facts say, the
// first within their range. A text of the wrong count or range, or not plain
// digits and dots, gives nothing.
std::optional<QString> realNetwork(const QString& text, NetworkClass networkClass);

// Whether a dotted address writes one of its numbers with a leading zero, as
// "X.Y.016.0" does.
bool writesLeadingZero(const QString& address);

// What --network takes for the class, as a usage error says it.
QString networkForm(NetworkClass networkClass);
