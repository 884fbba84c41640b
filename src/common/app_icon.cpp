#include "app_icon.h"

#include <array>

QIcon applicationIcon() {
    // Every size is drawn, so no window, task bar or switcher scales a
    // smaller picture up.
    constexpr std::array sizes = {16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(QStringLiteral(":/icons/tarnwell-%1.png").arg(size), QSize(size, size));
    return icon;
}
