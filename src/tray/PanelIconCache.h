// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tray/StatusButton.h"
#include "tray/colours/IconAppearance.h"

#include <QHash>
#include <QIcon>
#include <QList>

#include <functional>

// The finished icons a button has handed to the tray, one per picture and appearance. A spin
// shows the same thirty pictures every second: after its first turn a frame costs a lookup and
// Qt's own hand-over, and the icon handed out again carries the pixmaps its first showing made.
class PanelIconCache {
public:
    using Make = std::function<QIcon()>;

    // The icon for `picture` shown in `appearance`, made by `make` only if not kept yet.
    QIcon icon(const PanelPicture &picture, const IconAppearance &appearance, const Make &make);
    // How many icons have been made so far.
    int makeCount() const { return makeCount_; }

private:
    struct Key {
        // A picture's images name it: the pictures handed out again share their pixels.
        QList<qint64> images;
        QString name;
        QRgb color = 0;
        bool symbolic = false;
        bool otherName = false;
        QRgb edge = 0;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed) {
            return qHashMulti(seed, key.images, key.name, key.color, key.symbolic, key.otherName,
                              key.edge);
        }
    };

    // Every frame of both spins in two appearances; a colour that keeps changing would otherwise
    // grow it for ever.
    static constexpr int capacity = 256;

    QHash<Key, QIcon> icons_;
    int makeCount_ = 0;
};
