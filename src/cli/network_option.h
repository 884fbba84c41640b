// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>
#include <optional>

// The real network that --network names, written in place of the class's
// placeholder prefix: as many numbers 0 to 255 as the class's facts say, the
// first within their range. The numbers come back without leading zeros; a
// text of the wrong count or range, or not plain digits and dots, gives
// nothing.
std::optional<QString> realNetwork(const QString& text, NetworkClass networkClass);

// What --network takes for the class, as a usage error says it.
QString networkForm(NetworkClass networkClass);
