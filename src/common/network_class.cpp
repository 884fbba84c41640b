// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/network_class.h"

#include <QLatin1StringView>

std::optional<NetworkClass> classNamed(QStringView letter) {
    for (NetworkClass networkClass : {NetworkClass::B, NetworkClass::C}) {
        if (letter == QLatin1StringView(facts(networkClass).letter))
            return networkClass;
    }
    return std::nullopt;
}
