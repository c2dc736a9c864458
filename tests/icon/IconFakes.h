#pragma once

#include "IconDrawing.h"
#include "StatusButton.h"

#include <QColor>
#include <QMap>
#include <functional>

// A library holding only what a test puts in it; it records every request.
class FakeSymbolLibrary : public SymbolLibrary {
public:
    struct Entry {
        QPainterPath artwork;
        QSizeF size;
        bool configurable = true;
    };

    // A symbol of natural size `size` whose artwork fills its whole box.
    void addBlock(const QString &name, QSizeF size) {
        QPainterPath block;
        block.addRect(0, 0, 1, 1);
        entries[name] = {block, size};
    }

    std::optional<Symbol> symbol(const QString &name, const QString &description) const override {
        requests << name + QLatin1Char('/') + description;
        const auto it = entries.find(name);
        if (it == entries.end())
            return std::nullopt;
        return Symbol{name, description, it->artwork, it->artwork.boundingRect(), it->size};
    }

    std::optional<ConfiguredSymbol> configured(const Symbol &symbol, double pointSize,
                                               SymbolWeight) const override {
        requests << QStringLiteral("%1@%2").arg(symbol.name).arg(pointSize);
        if (!entries.value(symbol.name).configurable)
            return std::nullopt;
        return ConfiguredSymbol{symbol.artwork, symbol.artworkBox, symbol.sizePerPoint};
    }

    QMap<QString, Entry> entries;
    mutable QStringList requests;
};

// Records what the controller does to the button.
class FakeButton : public StatusButton {
public:
    struct Call {
        QList<QImage> images; // empty for a cleared image
        bool isTemplate = false;
    };

    void setImage(const QList<QImage> &representations, bool isTemplate) override {
        calls.push_back({representations, isTemplate});
        if (onImage)
            onImage();
    }
    void clearImage() override { calls.push_back({}); }
    void setToolTip(const QString &) override {}
    QRect bounds() const override { return {}; }

    std::vector<Call> calls;
    std::function<void()> onImage;
};

// The pixel under the icon-space point `p` (y up, in points) as it appears when viewed.
inline QColor pixelAt(const QImage &image, QPointF p) {
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int(p.x() * scale), int(image.height() - p.y() * scale));
}

inline int alphaAt(const QImage &image, QPointF p) {
    return pixelAt(image, p).alpha();
}
