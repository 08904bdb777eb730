#include "musicgen/StereoMix.h"

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

void StereoMix::Master(float targetRms)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < left_.size(); ++i)
        sum += double(left_[i]) * left_[i] + double(right_[i]) * right_[i];
    double rms = left_.empty() ? 0.0 : std::sqrt(sum / (2.0 * static_cast<double>(left_.size())));
    float gain = rms > 1e-9 ? static_cast<float>(targetRms / rms) : 1.0f;
    for (std::size_t i = 0; i < left_.size(); ++i) {
        left_[i] = 0.95f * std::tanh(left_[i] * gain / 0.95f);
        right_[i] = 0.95f * std::tanh(right_[i] * gain / 0.95f);
    }
}

void StereoMix::FadeOut(std::size_t frames)
{
    frames = std::min(frames, left_.size());
    for (std::size_t k = 0; k < frames; ++k) {
        float x = static_cast<float>(k) / static_cast<float>(frames);
        std::size_t i = left_.size() - 1 - k;
        left_[i] *= x;
        right_[i] *= x;
    }
}

std::vector<sf::Int16> StereoMix::Interleaved() const
{
    std::vector<sf::Int16> pcm(2 * left_.size());
    for (std::size_t i = 0; i < left_.size(); ++i) {
        pcm[2 * i] = static_cast<sf::Int16>(std::lround(std::clamp(left_[i], -1.0f, 1.0f) * 32767.0f));
        pcm[2 * i + 1] = static_cast<sf::Int16>(std::lround(std::clamp(right_[i], -1.0f, 1.0f) * 32767.0f));
    }
    return pcm;
}

}  // namespace musicgen
