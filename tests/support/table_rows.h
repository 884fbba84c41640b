// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>

// A parameterised table's rows are known by their `name` field: in the test
// names (the last argument of INSTANTIATE_TEST_SUITE_P) ...
inline constexpr auto rowName = [](const auto& info) {
    return std::string(info.param.name);
};

// ... and in failure messages, for a file that declares `using ::PrintTo;`
// beside its rows, where GoogleTest looks for it.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}
