// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The real network that --network names, written in place of the class's
// placeholder prefix: two numbers for Class B, the first 128 to 191
// ("172.16"), three for Class C, the first 192 to 223 ("192.168.10"), each
// 0 to 255. The numbers come back without leading zeros; a text of the wrong
// count or range, or not plain digits and dots, gives nothing.
std::optional<QString> realNetwork(const QString& text, const QString& ipClass);
