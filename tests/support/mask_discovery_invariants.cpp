// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mask_discovery_invariants.h"

#include "common/option_button.h"
#include "common/system_colour.h"
#include "discovery/discover_mask.h"
#include "system_colours.h"
#include "window_driver.h"

#include <QRegularExpression>

QString brokenMaskDiscoveryInvariant(const WindowDriver& driver) {
    const QString subnets = driver.text("txt_Subnets");
    const QString hosts = driver.text("txt_hosts");
    if (!subnets.isEmpty() && !hosts.isEmpty())
        return QStringLiteral("both input boxes hold text");
    const std::pair<const char*, bool> partners[] = {{"txt_Subnets", !hosts.isEmpty()},
                                                     {"txt_hosts", !subnets.isEmpty()}};
    for (const auto& [name, partnerHeld] : partners) {
        if (driver.enabled(name) == partnerHeld)
            return QString::fromLatin1(name) + QStringLiteral(" is not locked exactly while the "
                                                              "other box holds text");
        const QColor colour = systemColourValue(partnerHeld ? lockedColour : openColour,
                                                driver.control(name)->palette());
        if (driver.shownColour(name) != colour.name())
            return QString::fromLatin1(name) + QStringLiteral(" has the wrong colour");
    }
    if (driver.enabled("cmd_Calc") != (!subnets.isEmpty() || !hosts.isEmpty()))
        return QStringLiteral("cmd_Calc is not enabled exactly while a box holds text");

    const QString answer = driver.caption("lbl_MaskAnswer");
    const QString sentence = driver.caption("lbl_Discovery");
    if (driver.enabled("cmd_View") == answer.isEmpty())
        return QStringLiteral("cmd_View is not enabled exactly while there is an answer");
    if (answer.isEmpty() != sentence.isEmpty())
        return QStringLiteral("the mask and the sentence are not shown together");
    if (answer.isEmpty())
        return {};
    const NetworkClass shownClass =
        driver.control<OptionButton>("rb_C")->value() ? NetworkClass::C : NetworkClass::B;
    if (answer != DiscoverMask(subnets, hosts, shownClass).Mask())
        return QStringLiteral("the answer belongs to another request");
    static const QRegularExpression wholeCounts(
        QStringLiteral("^[1-9][0-9]* segments with [1-9][0-9]* hosts per segment\\.$"));
    if (!wholeCounts.match(sentence).hasMatch())
        return QStringLiteral("the sentence gives no whole counts of at least 1: ") + sentence;
    return {};
}
