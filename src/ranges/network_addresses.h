// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The address at that offset in a network of that prefix length, written on
// the placeholder prefix: the part after the prefix is two groups for class B
// and one for class C, so offset 65088 in a class B network on "X.Y" is
// "X.Y.254.64".
QString addressText(quint32 offset, int networkPrefix, const QString& netPattern);
