// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class WindowDriver;

// What holds in the Range Information view after every handler while it is
// shown, whatever came before: the first rule broken, or an empty text when
// all hold. The rows and the addresses belong to the mask text and the
// shared class, and the placeholder network names that class.
QString brokenRangeInformationInvariant(const WindowDriver& driver);
