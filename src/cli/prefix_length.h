// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A mask on the command line is dotted, as typed in the window, or a prefix
// length ("/26"), as network engineers write it. The rules judge a mask as
// text, so a prefix length becomes the dotted text of that length first and
// is refused exactly as that text would be.
//
// Reads a mask word into mask: a prefix length "/0" to "/32" (no leading
// zero) as its dotted mask, any word without a leading "/" as it stands.
// Gives the problem for a "/" followed by anything else.
std::optional<QString> readMaskWord(const QString& word, QString& mask);
