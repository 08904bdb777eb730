#include "soundcheck/SoundMeasure.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <iterator>
#include <numeric>
#include <stdexcept>

namespace soundcheck {

namespace {

const double Pi = 3.14159265358979323846;
const std::size_t SpectrumSize = 8192;

double ToDb(double power)
{
    return 10.0 * std::log10(std::max(power, 1e-20));
}

// One second-order section, direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double Process(double x)
    {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Biquad HighShelf(double rate, double frequency, double gainDb, double q)
{
    double a = std::pow(10.0, gainDb / 40.0);
    double w0 = 2.0 * Pi * frequency / rate;
    double alpha = std::sin(w0) / (2.0 * q);
    double c = std::cos(w0);
    double s = 2.0 * std::sqrt(a) * alpha;
    double a0 = (a + 1) - (a - 1) * c + s;
    return {a * ((a + 1) + (a - 1) * c + s) / a0, -2 * a * ((a - 1) + (a + 1) * c) / a0,
            a * ((a + 1) + (a - 1) * c - s) / a0, 2 * ((a - 1) - (a + 1) * c) / a0, ((a + 1) - (a - 1) * c - s) / a0};
}

Biquad HighPass(double rate, double frequency, double q)
{
    double w0 = 2.0 * Pi * frequency / rate;
    double alpha = std::sin(w0) / (2.0 * q);
    double c = std::cos(w0);
    double a0 = 1 + alpha;
    return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

// The K-weighted square of every frame, summed over the channels.
std::vector<double> WeightedPower(const Clip& clip)
{
    std::vector<double> power(clip.Frames(), 0.0);
    for (unsigned ch = 0; ch < clip.channels; ++ch) {
        Biquad shelf = HighShelf(clip.rate, 1500.0, 4.0, 1.0 / std::sqrt(2.0));
        Biquad rlb = HighPass(clip.rate, 38.0, 0.5);
        for (std::size_t i = 0; i < power.size(); ++i) {
            double y = rlb.Process(shelf.Process(clip.samples[i * clip.channels + ch]));
            power[i] += y * y;
        }
    }
    return power;
}

double Lufs(double meanSquare)
{
    return -0.691 + ToDb(meanSquare);
}

// Mean weighted power of every 400 ms block, one every `hop` frames; a clip
// shorter than a block gives one block padded with silence.
std::vector<double> BlockPowers(const Clip& clip, std::size_t hop)
{
    std::vector<double> power = WeightedPower(clip);
    std::size_t block = static_cast<std::size_t>(0.4 * clip.rate);
    std::vector<double> prefix(power.size() + 1, 0.0);
    for (std::size_t i = 0; i < power.size(); ++i)
        prefix[i + 1] = prefix[i] + power[i];
    std::vector<double> blocks;
    if (power.size() <= block) {
        blocks.push_back(prefix.back() / static_cast<double>(block));
        return blocks;
    }
    for (std::size_t start = 0; start + block <= power.size(); start += hop)
        blocks.push_back((prefix[start + block] - prefix[start]) / static_cast<double>(block));
    return blocks;
}

void Fft(std::vector<std::complex<double>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        double angle = -2.0 * Pi / static_cast<double>(length);
        std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<double> w(1.0, 0.0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                std::complex<double> u = a[i + k];
                std::complex<double> v = a[i + k + length / 2] * w;
                a[i + k] = u + v;
                a[i + k + length / 2] = u - v;
                w *= step;
            }
        }
    }
}

std::vector<double> Hann(std::size_t n)
{
    std::vector<double> w(n);
    for (std::size_t i = 0; i < n; ++i)
        w[i] = 0.5 - 0.5 * std::cos(2.0 * Pi * static_cast<double>(i) / static_cast<double>(n));
    return w;
}

// The power of each bin of `size` samples from `start` (zero past the end).
std::vector<double> FramePower(const std::vector<float>& mono, std::size_t start, const std::vector<double>& window)
{
    std::vector<std::complex<double>> frame(window.size());
    for (std::size_t i = 0; i < window.size(); ++i)
        frame[i] = start + i < mono.size() ? mono[start + i] * window[i] : 0.0;
    Fft(frame);
    std::vector<double> power(window.size() / 2 + 1);
    for (std::size_t k = 0; k < power.size(); ++k)
        power[k] = std::norm(frame[k]);
    return power;
}

double BandPower(const std::vector<double>& spectrum, unsigned rate, double low, double high)
{
    double binHz = static_cast<double>(rate) / static_cast<double>(2 * (spectrum.size() - 1));
    double sum = 0.0;
    for (std::size_t k = 1; k < spectrum.size(); ++k) {
        double f = static_cast<double>(k) * binHz;
        if (f >= low && f < high)
            sum += spectrum[k];
    }
    return sum;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b)
{
    std::size_t n = std::min(a.size(), b.size());
    if (n < 2)
        return 0.0;
    double ma = std::accumulate(a.begin(), a.begin() + static_cast<long>(n), 0.0) / static_cast<double>(n);
    double mb = std::accumulate(b.begin(), b.begin() + static_cast<long>(n), 0.0) / static_cast<double>(n);
    double sab = 0, saa = 0, sbb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0.0;
}

// The mean square of `count` samples from `from`.
double MeanSquare(const std::vector<float>& mono, std::size_t from, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += double(mono[i]) * mono[i];
    return sum / static_cast<double>(std::max<std::size_t>(count, 1));
}

}  // namespace

std::vector<float> Clip::Mono() const
{
    std::vector<float> mono(Frames(), 0.0f);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0.0f;
        for (unsigned ch = 0; ch < channels; ++ch)
            sum += samples[i * channels + ch];
        mono[i] = sum / static_cast<float>(channels);
    }
    return mono;
}

Clip DecodeClip(const std::string& bytes)
{
    sf::InputSoundFile file;
    if (bytes.empty() || !file.openFromMemory(bytes.data(), bytes.size()))
        throw std::runtime_error("soundcheck: not a sound file that can be read");
    Clip clip;
    clip.rate = file.getSampleRate();
    clip.channels = file.getChannelCount();
    std::vector<sf::Int16> pcm(static_cast<std::size_t>(file.getSampleCount()));
    pcm.resize(static_cast<std::size_t>(file.read(pcm.data(), pcm.size())));
    clip.samples.resize(pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i)
        clip.samples[i] = static_cast<float>(pcm[i]) / 32768.0f;
    return clip;
}

Clip DecodeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("soundcheck: cannot read " + path);
    return DecodeClip(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

double DcOffset(const Clip& clip)
{
    double worst = 0.0;
    for (unsigned ch = 0; ch < clip.channels; ++ch) {
        double sum = 0.0;
        for (std::size_t i = ch; i < clip.samples.size(); i += clip.channels)
            sum += clip.samples[i];
        double mean = clip.Frames() ? sum / static_cast<double>(clip.Frames()) : 0.0;
        if (std::fabs(mean) > std::fabs(worst))
            worst = mean;
    }
    return worst;
}

double PeakDb(const Clip& clip)
{
    float peak = 0.0f;
    for (float s : clip.samples)
        peak = std::max(peak, std::fabs(s));
    return 20.0 * std::log10(std::max(static_cast<double>(peak), 1e-10));
}

double MomentaryLoudness(const Clip& clip)
{
    std::vector<double> blocks = BlockPowers(clip, std::max<std::size_t>(1, clip.rate / 100));
    return Lufs(*std::max_element(blocks.begin(), blocks.end()));
}

double IntegratedLoudness(const Clip& clip)
{
    std::vector<double> blocks = BlockPowers(clip, static_cast<std::size_t>(0.1 * clip.rate));
    auto gatedMean = [&](double gate) {
        double sum = 0.0;
        std::size_t count = 0;
        for (double p : blocks)
            if (Lufs(p) > gate) {
                sum += p;
                ++count;
            }
        return count ? sum / static_cast<double>(count) : 0.0;
    };
    double relativeGate = Lufs(gatedMean(-70.0)) - 10.0;
    return Lufs(gatedMean(std::max(-70.0, relativeGate)));
}

double TrailingSilence(const Clip& clip, double thresholdDb)
{
    std::vector<float> mono = clip.Mono();
    std::size_t block = std::max<std::size_t>(1, clip.rate / 100);
    double threshold = std::pow(10.0, thresholdDb / 10.0);
    std::size_t lastLoud = 0;
    for (std::size_t start = 0; start < mono.size(); start += block) {
        std::size_t end = std::min(mono.size(), start + block);
        double sum = 0.0;
        for (std::size_t i = start; i < end; ++i)
            sum += double(mono[i]) * mono[i];
        if (sum / static_cast<double>(end - start) > threshold)
            lastLoud = end;
    }
    return static_cast<double>(mono.size() - lastLoud) / clip.rate;
}

Seam MeasureSeam(const Clip& clip)
{
    std::vector<float> mono = clip.Mono();
    Seam seam{};
    if (mono.size() < 4)
        return seam;
    seam.edgeDb = 20.0 * std::log10(std::max(1e-10, double(std::max(std::fabs(mono.front()), std::fabs(mono.back())))));
    std::vector<float> steps(mono.size() - 1);
    for (std::size_t i = 0; i + 1 < mono.size(); ++i)
        steps[i] = std::fabs(mono[i + 1] - mono[i]);
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() / 2), steps.end());
    double median = std::max(1e-9, double(steps[steps.size() / 2]));
    seam.jumpRatio = std::fabs(mono.back() - mono.front()) / median;
    std::size_t edge = std::min(mono.size() / 2, static_cast<std::size_t>(0.0125 * clip.rate));
    std::size_t side = std::min(mono.size() / 2, static_cast<std::size_t>(0.2 * clip.rate));
    double whole = MeanSquare(mono, 0, mono.size());
    seam.dipDb = ToDb(0.5 * (MeanSquare(mono, 0, edge) + MeanSquare(mono, mono.size() - edge, edge)) / whole);
    seam.stepDb = ToDb(MeanSquare(mono, mono.size() - side, side) / std::max(MeanSquare(mono, 0, side), 1e-20));
    seam.restartsPerSecond = 1.0 / clip.Seconds();
    return seam;
}

Edges MeasureEdges(const Clip& clip, double seconds)
{
    std::vector<float> mono = clip.Mono();
    std::size_t side = std::min(mono.size() / 2, static_cast<std::size_t>(seconds * clip.rate));
    double whole = std::max(MeanSquare(mono, 0, mono.size()), 1e-20);
    return {ToDb(MeanSquare(mono, 0, side) / whole), ToDb(MeanSquare(mono, mono.size() - side, side) / whole)};
}

std::vector<double> AverageSpectrum(const Clip& clip)
{
    std::vector<float> mono = clip.Mono();
    std::vector<double> window = Hann(SpectrumSize);
    std::vector<double> sum(SpectrumSize / 2 + 1, 0.0);
    std::size_t count = 0;
    for (std::size_t start = 0; start == 0 || start + SpectrumSize <= mono.size(); start += SpectrumSize / 2) {
        std::vector<double> power = FramePower(mono, start, window);
        for (std::size_t k = 0; k < sum.size(); ++k)
            sum[k] += power[k];
        ++count;
    }
    for (double& p : sum)
        p /= static_cast<double>(count);
    return sum;
}

double BandShare(const std::vector<double>& spectrum, unsigned rate, double low, double high)
{
    double total = BandPower(spectrum, rate, 0.0, 1e9);
    return total > 0.0 ? BandPower(spectrum, rate, low, high) / total : 0.0;
}

double BandRatioDb(const std::vector<double>& spectrum, unsigned rate, double low, double high, double low2,
                   double high2)
{
    return ToDb(BandPower(spectrum, rate, low, high)) - ToDb(BandPower(spectrum, rate, low2, high2));
}

double PowerPercentile(const std::vector<double>& spectrum, unsigned rate, double share)
{
    double total = BandPower(spectrum, rate, 0.0, 1e9);
    double binHz = static_cast<double>(rate) / static_cast<double>(2 * (spectrum.size() - 1));
    double sum = 0.0;
    for (std::size_t k = 1; k < spectrum.size(); ++k) {
        sum += spectrum[k];
        if (sum >= share * total)
            return static_cast<double>(k) * binHz;
    }
    return rate / 2.0;
}

std::vector<double> ThirdOctaveLevels(const std::vector<double>& spectrum, unsigned rate)
{
    std::vector<double> levels;
    double total = BandPower(spectrum, rate, 0.0, 1e9);
    for (int n = -13; n <= 12; ++n) {
        double centre = 1000.0 * std::pow(2.0, n / 3.0);
        double low = centre / std::pow(2.0, 1.0 / 6.0);
        double high = centre * std::pow(2.0, 1.0 / 6.0);
        levels.push_back(ToDb(BandPower(spectrum, rate, low, high) / total));
    }
    return levels;
}

double SpectrumDistance(const std::vector<double>& a, const std::vector<double>& b)
{
    std::size_t n = std::min(a.size(), b.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        // Bands far under the rest count as equally quiet.
        double d = std::max(a[i], -60.0) - std::max(b[i], -60.0);
        sum += d * d;
    }
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

Rhythm MeasureRhythm(const Clip& clip)
{
    const std::size_t size = 1024;
    const std::size_t hop = 512;
    std::vector<float> mono = clip.Mono();
    std::vector<double> window = Hann(size);
    std::vector<double> onsets;
    std::vector<double> previous;
    for (std::size_t start = 0; start + size <= mono.size(); start += hop) {
        std::vector<double> power = FramePower(mono, start, window);
        double flux = 0.0;
        for (std::size_t k = 0; k < power.size(); ++k) {
            double m = std::log1p(1000.0 * std::sqrt(power[k]));
            if (!previous.empty())
                flux += std::max(0.0, m - previous[k]);
            power[k] = m;
        }
        previous = power;
        onsets.push_back(flux);
    }
    Rhythm rhythm{};
    if (onsets.size() < 8)
        return rhythm;
    double mean = std::accumulate(onsets.begin(), onsets.end(), 0.0) / static_cast<double>(onsets.size());
    for (double& o : onsets)
        o -= mean;

    // The strongest periodicity between 60 and 200 beats a minute, leaning to 120.
    const double hopSeconds = static_cast<double>(hop) / clip.rate;
    std::size_t maxLag = std::min(onsets.size(), static_cast<std::size_t>(1.0 / hopSeconds) + 2);
    std::vector<double> autocorrelation;
    for (std::size_t lag = 0; lag < maxLag; ++lag) {
        double sum = 0.0;
        for (std::size_t i = 0; i + lag < onsets.size(); ++i)
            sum += onsets[i] * onsets[i + lag];
        autocorrelation.push_back(sum);
    }
    double best = -1e300;
    double coarse = 120.0;
    for (std::size_t lag = 1; lag < autocorrelation.size(); ++lag) {
        double bpm = 60.0 / (static_cast<double>(lag) * hopSeconds);
        if (bpm < 60.0 || bpm > 200.0)
            continue;
        double prior = std::exp(-0.5 * std::pow(std::log2(bpm / 120.0) / 0.9, 2.0));
        double score = autocorrelation[lag] * prior;
        if (score > best) {
            best = score;
            coarse = bpm;
        }
    }

    // The onsets folded over a cycle of four beats; the tempo is refined to
    // the one whose fold is sharpest (a wrong tempo smears it).
    auto fold = [&](double bpm) {
        std::vector<double> profile(Rhythm::ProfileSize, 0.0);
        double cyclesPerFrame = hopSeconds * bpm / 60.0 / 4.0;
        for (std::size_t i = 0; i < onsets.size(); ++i) {
            double phase = static_cast<double>(i) * cyclesPerFrame;
            phase -= std::floor(phase);
            profile[static_cast<std::size_t>(phase * Rhythm::ProfileSize) % Rhythm::ProfileSize] += onsets[i];
        }
        return profile;
    };
    auto variance = [](const std::vector<double>& v) {
        double m = std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
        double sum = 0.0;
        for (double x : v)
            sum += (x - m) * (x - m);
        return sum;
    };
    double sharpest = -1.0;
    for (double f = 0.96; f <= 1.04; f += 0.0005) {
        std::vector<double> profile = fold(coarse * f);
        double v = variance(profile);
        if (v > sharpest) {
            sharpest = v;
            rhythm.tempo = coarse * f;
            rhythm.profile = profile;
        }
    }
    return rhythm;
}

double RhythmCorrelation(const Rhythm& a, const Rhythm& b)
{
    // The pieces may start at any point of their cycle: the best alignment counts.
    if (a.profile.size() != b.profile.size() || a.profile.empty())
        return 0.0;
    double best = -1.0;
    std::vector<double> shifted(b.profile.size());
    for (std::size_t shift = 0; shift < b.profile.size(); ++shift) {
        for (std::size_t i = 0; i < shifted.size(); ++i)
            shifted[i] = b.profile[(i + shift) % shifted.size()];
        best = std::max(best, Correlation(a.profile, shifted));
    }
    return best;
}

std::string EstimateKey(const std::vector<double>& spectrum, unsigned rate)
{
    static const double Major[12] = {6.35, 2.23, 3.48, 2.33, 4.38, 4.09, 2.52, 5.19, 2.39, 3.66, 2.29, 2.88};
    static const double Minor[12] = {6.33, 2.68, 3.52, 5.38, 2.60, 3.53, 2.54, 4.75, 3.98, 2.69, 3.34, 3.17};
    static const char* const Names[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    std::vector<double> chroma(12, 0.0);
    double binHz = static_cast<double>(rate) / static_cast<double>(2 * (spectrum.size() - 1));
    for (std::size_t k = 1; k < spectrum.size(); ++k) {
        double f = static_cast<double>(k) * binHz;
        if (f < 55.0 || f > 2000.0)
            continue;
        int pitchClass = static_cast<int>(std::lround(69.0 + 12.0 * std::log2(f / 440.0))) % 12;
        if (pitchClass < 0)
            pitchClass += 12;
        chroma[static_cast<std::size_t>(pitchClass)] += std::sqrt(spectrum[k]);
    }
    double best = -2.0;
    std::string key;
    for (int tonic = 0; tonic < 12; ++tonic)
        for (int mode = 0; mode < 2; ++mode) {
            std::vector<double> profile(12);
            for (int p = 0; p < 12; ++p) {
                int step = p >= tonic ? p - tonic : p - tonic + 12;
                profile[static_cast<std::size_t>(p)] = (mode ? Minor : Major)[step];
            }
            double r = Correlation(chroma, profile);
            if (r > best) {
                best = r;
                key = std::string(Names[tonic]) + (mode ? " minor" : " major");
            }
        }
    return key;
}

}  // namespace soundcheck
