// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_icon.h"

#include "common/app_info.h"

#include <QIconEngine>
#include <optional>

namespace {

// Every size is drawn, so no window, task bar or switcher scales a smaller
// picture up.
QIcon readPictures() {
    QIcon icon;
    for (const int size : iconSizes)
        icon.addFile(QStringLiteral(":/icons/tarnwell-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Knows its sizes up front and reads the pictures when one is first drawn.
// Reading any picture starts Qt's image format plugins, and on several
// platforms a window shows before anything asks for its icon; Qt's own icon
// then does the choosing, scaling and greying.
class DeferredIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pictures().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pictures().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return pictures().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : iconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& pictures() {
        if (!pictures_)
            pictures_ = readPictures();
        return *pictures_;
    }

    std::optional<QIcon> pictures_;
};

} // namespace

QIcon applicationIcon() {
    return QIcon(new DeferredIconEngine);
}
