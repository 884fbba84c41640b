#include "classic_font.h"

#include <QStringList>

QFont classicFont(qreal points, bool bold) {
    // Narrow faces first, so that captions sized for the original face fit.
    static const QStringList families = {
        QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("Nimbus Sans"),     QStringLiteral("Helvetica"),
    };
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
