// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>
#include <optional>

// Addresses inside a class network, counted from the network's own address:
// the part a row or an address writes after the placeholder prefix, two
// groups for class B ("254.192") and one for class C ("192").

// The network's own address, written on the prefix: "X.Y.0.0", "X.Y.Z.0".
QString networkAddress(NetworkClass networkClass, const QString& netPattern);

// The address at that offset in a network of that prefix length, written on
// the prefix: offset 65088 in a class B network on "X.Y" is "X.Y.254.64".
QString addressText(quint32 offset, int networkPrefix, const QString& netPattern);

// The offset of an address written that way, in plain groups of 0 to 255;
// none for any other text.
std::optional<quint32> addressOffset(const QString& address, int networkPrefix,
                                     const QString& netPattern);
