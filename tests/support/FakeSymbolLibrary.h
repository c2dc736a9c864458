// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "icon/SymbolLibrary.h"

#include <QMap>
#include <QStringList>

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
