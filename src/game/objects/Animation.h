#pragma once

#include <cstdint>
#include <vector>

// A looping list of frame durations in ticks. The caller supplies its own
// tick count and gets the index of the frame to show.
class Animation {
public:
    // Construction flags.
    static constexpr std::uint32_t PingPong = 0x1;  // play back down to the second frame
    static constexpr std::uint32_t Mirrored = 0x2;  // tiles step their texture upwards

    // A still picture: one frame of one tick.
    Animation();
    // Throws std::invalid_argument for an empty list, a ping-pong list of
    // fewer than two frames and a list whose period is 0.
    Animation(std::vector<std::uint32_t> durations, std::uint32_t flags);

    // The frame for a tick count (offset added, taken modulo the period).
    std::uint32_t GetStep(std::uint32_t ticks) const;

    bool IsPingPong() const { return pingPong_; }
    bool IsMirrored() const { return mirrored_; }
    const std::vector<std::uint32_t>& GetDurations() const { return durations_; }
    std::uint32_t GetFrameCount() const { return static_cast<std::uint32_t>(durations_.size()); }
    std::uint32_t GetPeriod() const { return period_; }
    std::uint32_t GetOffset() const { return offset_; }
    void SetOffset(std::uint32_t offset) { offset_ = offset; }

private:
    bool pingPong_;
    bool mirrored_;
    std::vector<std::uint32_t> durations_;
    std::uint32_t period_;
    std::uint32_t offset_;
};
