#include "platform/NamedPixmapIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace {

class NamedPixmapEngine final : public QIconEngine {
public:
    NamedPixmapEngine(QString name, QList<QPixmap> pixmaps)
        : name_(std::move(name)), pixmaps_(std::move(pixmaps)) {}

    QString iconName() override { return name_; }
    QString key() const override { return QStringLiteral("vantel-named-pixmap"); }
    QIconEngine *clone() const override { return new NamedPixmapEngine(name_, pixmaps_); }
    bool isNull() override { return pixmaps_.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const QPixmap &pixmap : pixmaps_)
            sizes.append(pixmap.size());
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const QPixmap *best = closest(size);
        return best ? best->size().scaled(size, Qt::KeepAspectRatio) : QSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        const QPixmap *best = closest(size);
        if (!best)
            return {};
        if (best->size() == size)
            return *best;
        return best->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
        const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        if (drawn.isNull())
            return;
        const QSize shown = drawn.size() / ratio;
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                          (rect.height() - shown.height()) / 2),
                                  shown),
                            drawn);
    }

private:
    // The smallest pixmap at least as large as `size`, else the largest there is.
    const QPixmap *closest(const QSize &size) const {
        const QPixmap *best = nullptr;
        for (const QPixmap &candidate : pixmaps_) {
            const bool covers =
                candidate.width() >= size.width() && candidate.height() >= size.height();
            const bool bestCovers =
                best && best->width() >= size.width() && best->height() >= size.height();
            if (!best || (covers && (!bestCovers || candidate.width() < best->width())) ||
                (!covers && !bestCovers && candidate.width() > best->width()))
                best = &candidate;
        }
        return best;
    }

    QString name_;
    QList<QPixmap> pixmaps_;
};

} // namespace

QIcon namedPixmapIcon(const QString &name, const QList<QPixmap> &pixmaps) {
    return QIcon(new NamedPixmapEngine(name, pixmaps));
}
