// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for any process: it prints one line without Qt.

#include <cstdio>

int main() {
    std::puts("255.255.224.0");
}
