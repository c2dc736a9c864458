// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "icon/IconState.h"

#include <QHash>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

// Icon frames kept for reuse. A frame depends only on its state, the arrows' angle and the scale,
// so a spin draws each of its frames once and afterwards only hands them out again. What is kept
// is what the drawing gives (`Value`: an image, an outline); the panel's colour is put on it
// later, by whoever shows it.
template <typename Value> class FrameCache {
public:
    using Draw = std::function<std::optional<Value>(IconState state, double angle, qreal scale)>;

    // `draw` makes a frame that is not kept yet. At most `capacity` frames are kept: a spin
    // whose step does not divide the circle would otherwise add frames for ever.
    explicit FrameCache(Draw draw, int capacity = 256)
        : draw_(std::move(draw)), capacity_(capacity) {}

    // The frame for `state` at `angle` degrees and `scale`, drawn now only if not kept yet.
    std::optional<Value> frame(IconState state, double angle, qreal scale) {
        const Key key{state, milliDegrees(state, angle), std::llround(scale * 1000.0)};
        if (const auto kept = frames_.constFind(key); kept != frames_.constEnd())
            return *kept;
        if (frames_.size() >= capacity_)
            frames_.clear();
        ++drawCount_;
        std::optional<Value> drawn = draw_(state, angle, scale);
        frames_.insert(key, drawn);
        return drawn;
    }

    // Forgets every frame, for when what the frames are drawn from has changed.
    void clear() { frames_.clear(); }

    // How many frames have been drawn since construction.
    int drawCount() const { return drawCount_; }

    // The angle as the cache tells frames apart: thousandths of a degree in [0, 360000), so
    // that rounding from repeated additions, -0 and 360 all name the same picture. Steady
    // states do not turn, so their angle is always 0.
    static qint64 milliDegrees(IconState state, double angle) {
        if (!isWorking(state))
            return 0;
        const qint64 rounded = std::llround(angle * 1000.0) % 360000;
        return rounded < 0 ? rounded + 360000 : rounded;
    }

private:
    struct Key {
        IconState state;
        qint64 milliDegrees;
        qint64 milliScale;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed) {
            return qHashMulti(seed, static_cast<int>(key.state), key.milliDegrees, key.milliScale);
        }
    };

    Draw draw_;
    int capacity_;
    QHash<Key, std::optional<Value>> frames_;
    int drawCount_ = 0;
};
