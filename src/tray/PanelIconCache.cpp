// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/PanelIconCache.h"

QIcon PanelIconCache::icon(const PanelPicture &picture, const IconAppearance &appearance,
                           const Make &make) {
    Key key{{},
            picture.name,
            appearance.color.rgba(),
            appearance.symbolic,
            appearance.otherName,
            appearance.edge.isValid() ? appearance.edge.rgba() : 0};
    key.images.reserve(picture.representations.size());
    for (const QImage &image : picture.representations)
        key.images.append(image.cacheKey());
    if (const auto kept = icons_.constFind(key); kept != icons_.constEnd())
        return *kept;
    if (icons_.size() >= capacity)
        icons_.clear();
    ++makeCount_;
    QIcon made = make();
    icons_.insert(key, made);
    return made;
}
