#include "musicgen/StereoMix.h"

#include "soundcheck/SoundMeasure.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

StereoMix::StereoMix(std::size_t frames, bool looped)
    : looped_(looped), left_(frames, 0.0f), right_(frames, 0.0f), echo_(frames, 0.0f)
{
}

std::size_t StereoMix::Index(std::size_t frame, bool& inside) const
{
    inside = !left_.empty() && (looped_ || frame < left_.size());
    return left_.empty() ? 0 : frame % left_.size();
}

void StereoMix::Add(std::size_t frame, const std::vector<float>& sound, float left, float right, float send)
{
    for (std::size_t k = 0; k < sound.size(); ++k) {
        bool inside = false;
        std::size_t i = Index(frame + k, inside);
        if (!inside)
            break;
        left_[i] += sound[k] * left;
        right_[i] += sound[k] * right;
        echo_[i] += sound[k] * send;
    }
}

void StereoMix::ApplyEcho(std::size_t delay, float feedback, int repeats)
{
    if (delay == 0)
        return;
    float gain = 1.0f;
    for (int r = 1; r <= repeats; ++r) {
        gain *= feedback;
        std::vector<float>& side = r % 2 ? right_ : left_;
        std::vector<float>& other = r % 2 ? left_ : right_;
        for (std::size_t k = 0; k < echo_.size(); ++k) {
            bool inside = false;
            std::size_t i = Index(k + delay * static_cast<std::size_t>(r), inside);
            if (!inside)
                break;
            side[i] += echo_[k] * gain;
            other[i] += echo_[k] * gain * 0.3f;
        }
    }
}

soundcheck::Clip StereoMix::ToClip(unsigned rate) const
{
    soundcheck::Clip clip;
    clip.rate = rate;
    clip.channels = 2;
    clip.samples.resize(2 * left_.size());
    for (std::size_t i = 0; i < left_.size(); ++i) {
        clip.samples[2 * i] = left_[i];
        clip.samples[2 * i + 1] = right_[i];
    }
    return clip;
}

void StereoMix::Master(float targetLufs, unsigned rate)
{
    double loudness = left_.empty() ? targetLufs : soundcheck::IntegratedLoudness(ToClip(rate));
    float gain = static_cast<float>(std::pow(10.0, (targetLufs - loudness) / 20.0));
    for (std::size_t i = 0; i < left_.size(); ++i) {
        left_[i] = 0.95f * std::tanh(left_[i] * gain / 0.95f);
        right_[i] = 0.95f * std::tanh(right_[i] * gain / 0.95f);
    }
}

void StereoMix::RemoveOffset()
{
    for (std::vector<float>* side : {&left_, &right_}) {
        double sum = 0.0;
        for (float v : *side)
            sum += v;
        float mean = side->empty() ? 0.0f : static_cast<float>(sum / static_cast<double>(side->size()));
        for (float& v : *side)
            v -= mean;
    }
}

void StereoMix::TrimTail(float thresholdDb, unsigned rate, float fadeSeconds)
{
    const double silence = soundcheck::TrailingSilence(ToClip(rate), thresholdDb);
    const std::size_t lastLoud = left_.size() - std::min(left_.size(), static_cast<std::size_t>(silence * rate));
    const std::size_t end = std::min(left_.size(), lastLoud + static_cast<std::size_t>(fadeSeconds * rate));
    left_.resize(end);
    right_.resize(end);
    echo_.resize(end);
    for (std::size_t i = lastLoud; i < end; ++i) {
        float x = static_cast<float>(end - i) / static_cast<float>(end - lastLoud);
        left_[i] *= x;
        right_[i] *= x;
    }
}

}  // namespace musicgen
