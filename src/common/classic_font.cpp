#include "classic_font.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace {

// Narrow faces first, so that captions sized for the original face fit.
const QStringList& classicFamilies() {
    static const QStringList families = {
        QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("Nimbus Sans"),     QStringLiteral("Helvetica"),
    };
    return families;
}

// Wider faces such as DejaVu Sans clip the captions, so a system without any
// of the classic faces gets the bundled, metrically compatible Liberation
// Sans. It is loaded only then: reading the faces costs start-up time.
// Answers whether the bundled face was loaded.
bool bundleFaceWhereNoneInstalled() {
    const QStringList installed = QFontDatabase::families();
    const bool anyInstalled =
        std::any_of(classicFamilies().cbegin(), classicFamilies().cend(),
                    [&installed](const QString& family) { return installed.contains(family); });
    if (anyInstalled)
        return false;
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    return true;
}

} // namespace

QFont classicFont(qreal points, bool bold) {
    [[maybe_unused]] static const bool bundled = bundleFaceWhereNoneInstalled();
    QFont font;
    font.setFamilies(classicFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
