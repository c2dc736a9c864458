#include "FrameCache.h"

#include <cmath>
#include <utility>

namespace {

// Angles come from repeated additions; a thousandth of a degree hides the rounding, and -0 and
// 360 are the same picture as 0.
qint64 milliDegrees(IconState state, double angle) {
    if (!isWorking(state))
        return 0;
    const qint64 rounded = std::llround(angle * 1000.0) % 360000;
    return rounded < 0 ? rounded + 360000 : rounded;
}

} // namespace

FrameCache::FrameCache(Draw draw, int capacity) : draw_(std::move(draw)), capacity_(capacity) {}

std::optional<IconImage> FrameCache::frame(IconState state, double angle, qreal scale) {
    const Key key{state, milliDegrees(state, angle), std::llround(scale * 1000.0)};
    if (const auto kept = frames_.constFind(key); kept != frames_.constEnd())
        return *kept;
    if (frames_.size() >= capacity_)
        frames_.clear();
    ++drawCount_;
    std::optional<IconImage> drawn = draw_(state, angle, scale);
    frames_.insert(key, drawn);
    return drawn;
}

void FrameCache::clear() {
    frames_.clear();
}
