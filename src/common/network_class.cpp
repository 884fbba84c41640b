// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/network_class.h"

#include <QLatin1StringView>

std::array<NetworkClass, classFacts.size()> everyClass() {
    std::array<NetworkClass, classFacts.size()> classes{};
    for (std::size_t i = 0; i < classes.size(); ++i)
        classes[i] = static_cast<NetworkClass>(i);
    return classes;
}

std::optional<NetworkClass> classNamed(QStringView letter) {
    for (NetworkClass networkClass : everyClass()) {
        if (letter == QLatin1StringView(facts(networkClass).letter))
            return networkClass;
    }
    return std::nullopt;
}
