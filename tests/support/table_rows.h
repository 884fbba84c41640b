// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>
#include <type_traits>

// A parameterised table's rows are known by their `name` field: in the test
// names (the last argument of INSTANTIATE_TEST_SUITE_P) ...
inline constexpr auto rowName = [](const auto& info) {
    return std::string(info.param.name);
};

// ... and in failure messages, for a file that declares `using ::PrintTo;`
// beside its rows, where GoogleTest looks for it.
// (The test for `name` is spelled without a requires-expression, which each
// release of clang-format lays out differently.)
template <typename Row>
concept NamedRow = std::is_member_object_pointer_v<decltype(&Row::name)>;

template <NamedRow Row>
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}
