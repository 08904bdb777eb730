#include "game/objects/Animation.h"

#include <stdexcept>
#include <utility>

Animation::Animation()
    : pingPong_(false), mirrored_(false), durations_{1}, period_(1), offset_(0) {}

Animation::Animation(std::vector<std::uint32_t> durations, std::uint32_t flags)
    : pingPong_((flags & PingPong) != 0),
      mirrored_((flags & Mirrored) != 0),
      durations_(std::move(durations)),
      period_(0),
      offset_(0) {
    if (durations_.empty())
        throw std::invalid_argument("Animation: no frames");
    if (pingPong_ && durations_.size() < 2)
        throw std::invalid_argument("Animation: a ping-pong animation needs two frames");

    // Forward: every frame once. Ping-pong: the first and the last frame once,
    // every frame between them twice (once on the way up, once on the way down).
    std::uint64_t period = 0;
    for (std::size_t i = 0; i < durations_.size(); ++i) {
        const bool inner = i != 0 && i + 1 != durations_.size();
        period += (pingPong_ && inner) ? 2ull * durations_[i] : durations_[i];
    }
    if (period == 0)
        throw std::invalid_argument("Animation: the period is 0");
    if (period > UINT32_MAX)
        throw std::invalid_argument("Animation: the period is too long");
    period_ = static_cast<std::uint32_t>(period);
}

std::uint32_t Animation::GetStep(std::uint32_t ticks) const {
    const std::uint32_t u = (offset_ + ticks) % period_;

    std::uint64_t sum = 0;
    const std::uint32_t count = GetFrameCount();
    for (std::uint32_t frame = 0; frame < count; ++frame) {
        sum += durations_[frame];
        if (sum >= u)
            return frame;
    }
    if (pingPong_) {
        for (std::uint32_t frame = count - 2; frame >= 1; --frame) {
            sum += durations_[frame];
            if (sum >= u)
                return frame;
        }
    }
    throw std::logic_error("Animation::GetStep - unreachable code");
}
