#pragma once

#include "IconDrawing.h"
#include "IconState.h"

#include <QHash>

#include <functional>
#include <optional>

// Drawn icon frames kept for reuse. A frame depends only on its state, the arrows' angle and
// the scale, so a spin draws each of its frames once and afterwards only hands them out again.
// The pictures are the black template drawings; the panel's colour is put on them later, by
// whoever shows them.
class FrameCache {
public:
    using Draw =
        std::function<std::optional<IconImage>(IconState state, double angle, qreal scale)>;

    // `draw` makes a frame that is not kept yet. At most `capacity` frames are kept: a spin
    // whose step does not divide the circle would otherwise add frames for ever.
    explicit FrameCache(Draw draw, int capacity = 256);

    // The frame for `state` at `angle` degrees and `scale`, drawn now only if not kept yet.
    std::optional<IconImage> frame(IconState state, double angle, qreal scale);
    // Forgets every frame, for when what the frames are drawn from has changed.
    void clear();

    // How many frames have been drawn since construction.
    int drawCount() const { return drawCount_; }

private:
    struct Key {
        IconState state;
        qint64 milliDegrees;
        qint64 milliScale;
        friend bool operator==(const Key &, const Key &) = default;
    };
    friend size_t qHash(const Key &key, size_t seed) {
        return qHashMulti(seed, static_cast<int>(key.state), key.milliDegrees, key.milliScale);
    }

    Draw draw_;
    int capacity_;
    QHash<Key, std::optional<IconImage>> frames_;
    int drawCount_ = 0;
};
