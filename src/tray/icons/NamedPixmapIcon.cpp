// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/icons/NamedPixmapIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QMap>
#include <QPainter>

namespace {

// `picture` centred in a transparent box of `size`, scaled down (or up) to fit when it does not
// fit one side exactly. Device pixels throughout, so that Qt never has to copy a pixmap to reset
// its ratio.
QPixmap boxed(const QPixmap &picture, const QSize &size) {
    QImage image = picture.toImage();
    if (image.size().scaled(size, Qt::KeepAspectRatio) != image.size())
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1);
    QImage box(size, QImage::Format_ARGB32_Premultiplied);
    box.fill(Qt::transparent);
    QPainter painter(&box);
    painter.drawImage((size.width() - image.width()) / 2, (size.height() - image.height()) / 2,
                      image);
    painter.end();
    // The copy leaves the paint engine and its buffers behind: the pixmap is kept.
    return QPixmap::fromImage(box.copy());
}

// Holds a picture as squares, the shape panels show icons in, and hands out pixmaps of exactly
// the size asked for, each made once. A StatusNotifierItem host re-reads the icon on every frame
// of a spin, and Qt reads the same few square sizes each time: pixmaps ready at those sizes spare
// it the scaling and letterboxing it would otherwise repeat per reading.
class NamedPixmapEngine final : public QIconEngine {
public:
    NamedPixmapEngine(QString name, const QList<QPixmap> &pixmaps) : name_(std::move(name)) {
        for (const QPixmap &pixmap : pixmaps) {
            const int side = std::max(pixmap.width(), pixmap.height());
            if (side > 0)
                squares_.insert(side, boxed(pixmap, QSize(side, side)));
        }
    }

    QString iconName() override { return name_; }
    QString key() const override { return QStringLiteral("vantel-named-pixmap"); }
    QIconEngine *clone() const override { return new NamedPixmapEngine(*this); }
    bool isNull() override { return squares_.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : squares_.keys())
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        return squares_.isEmpty() ? QSize() : size;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        if (squares_.isEmpty() || size.isEmpty())
            return {};
        if (size.width() == size.height() && squares_.contains(size.width()))
            return squares_.value(size.width());
        if (const auto kept = others_.constFind(size); kept != others_.constEnd())
            return *kept;
        QPixmap made = boxed(squares_.last(), size);
        // Hosts ask for one or two sizes more; anything beyond is made each time, not kept.
        if (others_.size() < maxOtherSizes)
            others_.insert(size, made);
        return made;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
        const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        if (!drawn.isNull())
            painter->drawPixmap(rect, drawn);
    }

private:
    NamedPixmapEngine(const NamedPixmapEngine &) = default;

    static constexpr int maxOtherSizes = 4;

    QString name_;
    // By side, smallest first.
    QMap<int, QPixmap> squares_;
    QHash<QSize, QPixmap> others_;
};

} // namespace

QIcon namedPixmapIcon(const QString &name, const QList<QPixmap> &pixmaps) {
    return QIcon(new NamedPixmapEngine(name, pixmaps));
}
