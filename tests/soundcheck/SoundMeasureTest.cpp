// The measurements that the content tests and the generators rely on, on
// signals whose answers are known.
#include "soundcheck/SoundMeasure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

const double Pi = 3.14159265358979323846;
const unsigned Rate = 44100;

soundcheck::Clip Make(double seconds, unsigned channels, const std::function<double(double)>& f)
{
    soundcheck::Clip clip;
    clip.rate = Rate;
    clip.channels = channels;
    std::size_t frames = static_cast<std::size_t>(seconds * Rate);
    for (std::size_t i = 0; i < frames; ++i)
        for (unsigned ch = 0; ch < channels; ++ch)
            clip.samples.push_back(static_cast<float>(f(static_cast<double>(i) / Rate)));
    return clip;
}

double Sine(double t, double frequency)
{
    return std::sin(2.0 * Pi * frequency * t);
}

}  // namespace

TEST(SoundMeasureTest, LoudnessMeetsTheStandardsReferences)
{
    // A 997 Hz sine at full scale in one channel reads -3.01 LKFS; in both
    // channels twice the power; a clip shorter than the 400 ms window counts
    // as followed by silence.
    struct Case {
        double seconds;
        unsigned channels;
        double lufs;
    };
    const Case cases[] = {{3.0, 1, -3.01}, {3.0, 2, 0.0}, {0.2, 1, -3.01 - 10.0 * std::log10(2.0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seconds << " s, " << c.channels << " channels");
        soundcheck::Clip clip = Make(c.seconds, c.channels, [](double t) { return Sine(t, 997.0); });
        EXPECT_NEAR(soundcheck::MomentaryLoudness(clip), c.lufs, 0.2);
        if (c.seconds > 1.0) {
            EXPECT_NEAR(soundcheck::IntegratedLoudness(clip), c.lufs, 0.2);
        }
    }
    // The K-weighting leaves out the deep bass and lifts the top.
    soundcheck::Clip bass = Make(3.0, 1, [](double t) { return Sine(t, 30.0); });
    soundcheck::Clip top = Make(3.0, 1, [](double t) { return Sine(t, 8000.0); });
    EXPECT_LT(soundcheck::MomentaryLoudness(bass), -6.0);
    EXPECT_GT(soundcheck::MomentaryLoudness(top), -0.5);
}

TEST(SoundMeasureTest, OffsetSilenceAndSeam)
{
    // A tone on an offset of 0.1 that stops half a second before the end.
    soundcheck::Clip clip = Make(2.0, 2, [](double t) { return t < 1.5 ? 0.1 + 0.5 * Sine(t, 440.0) : 0.0; });
    EXPECT_NEAR(soundcheck::DcOffset(clip), 0.075, 0.001);
    EXPECT_NEAR(soundcheck::TrailingSilence(clip), 0.5, 0.011);

    // A loop of whole periods runs on from its end into its start; a level
    // that swells to its end jumps at the seam.
    soundcheck::Seam loop = soundcheck::MeasureSeam(Make(1.0, 1, [](double t) { return Sine(t + 0.1, 100.0); }));
    EXPECT_LT(loop.jumpRatio, 1.5);
    EXPECT_NEAR(loop.stepDb, 0.0, 0.1);
    soundcheck::Seam swell = soundcheck::MeasureSeam(Make(1.0, 1, [](double t) { return t * Sine(t, 100.0); }));
    EXPECT_GT(swell.stepDb, 10.0);
    // A seam in a lull: silent ends under a tone.
    soundcheck::Seam lull = soundcheck::MeasureSeam(Make(1.0, 1, [](double t) { return Sine(t, 1.0) * Sine(t, 440.0); }));
    EXPECT_LT(lull.dipDb, -20.0);
    EXPECT_LT(lull.edgeDb, -60.0);

    // The level at either end against the whole: the loop holds it, the lull
    // is quiet at both ends, a fade-out only at its tail.
    struct EdgeCase {
        const char* name;
        std::function<double(double)> f;
        double headDb, tailDb;
    };
    const EdgeCase edgeCases[] = {
        {"loop", [](double t) { return Sine(t, 100.0); }, 0.0, 0.0},
        {"lull", [](double t) { return Sine(t, 0.5) * Sine(t, 440.0); }, -11.9, -11.9},
        {"fade-out", [](double t) { return std::min(1.0, (1.0 - t) / 0.2) * Sine(t, 440.0); }, 0.6, -10.2}};
    for (const EdgeCase& c : edgeCases) {
        SCOPED_TRACE(c.name);
        soundcheck::Edges edges = soundcheck::MeasureEdges(Make(1.0, 1, c.f), 0.1);
        EXPECT_NEAR(edges.headDb, c.headDb, 0.5);
        EXPECT_NEAR(edges.tailDb, c.tailDb, 0.5);
    }
}

TEST(SoundMeasureTest, SpectrumTempoAndKey)
{
    soundcheck::Clip low = Make(2.0, 1, [](double t) { return Sine(t, 300.0); });
    soundcheck::Clip high = Make(2.0, 1, [](double t) { return Sine(t, 2000.0); });
    std::vector<double> lowSpectrum = soundcheck::AverageSpectrum(low);
    EXPECT_GT(soundcheck::BandShare(lowSpectrum, Rate, 250.0, 350.0), 0.99);
    EXPECT_GT(soundcheck::BandRatioDb(lowSpectrum, Rate, 250.0, 1000.0, 1000.0, 4000.0), 40.0);
    EXPECT_NEAR(soundcheck::PowerPercentile(lowSpectrum, Rate, 0.5), 300.0, 10.0);
    std::vector<double> lowBands = soundcheck::ThirdOctaveLevels(lowSpectrum, Rate);
    EXPECT_NEAR(soundcheck::SpectrumDistance(lowBands, lowBands), 0.0, 1e-9);
    EXPECT_GT(soundcheck::SpectrumDistance(lowBands, soundcheck::ThirdOctaveLevels(soundcheck::AverageSpectrum(high), Rate)),
              10.0);

    // Clicks on every beat at 120 a minute, with a stronger one on every fourth.
    auto clicks = [](double bpm) {
        return [bpm](double t) {
            double beats = t * bpm / 60.0;
            double since = (beats - std::floor(beats)) * 60.0 / bpm;
            double accent = static_cast<long>(std::floor(beats)) % 4 == 0 ? 1.0 : 0.4;
            return accent * std::exp(-since * 60.0) * Sine(t, 1500.0);
        };
    };
    soundcheck::Rhythm at120 = soundcheck::MeasureRhythm(Make(12.0, 1, clicks(120.0)));
    soundcheck::Rhythm at100 = soundcheck::MeasureRhythm(Make(12.0, 1, clicks(100.0)));
    EXPECT_NEAR(at120.tempo, 120.0, 1.0);
    EXPECT_NEAR(at100.tempo, 100.0, 1.0);
    // The same groove whatever its tempo.
    EXPECT_GT(soundcheck::RhythmCorrelation(at120, at100), 0.9);

    // The notes of C major and of A minor, the home note the loudest, then
    // its fifth and third, as a tune in the key dwells on them.
    auto scale = [](std::vector<double> chord, std::vector<double> others) {
        return [chord, others](double t) {
            double v = 1.5 * Sine(t, chord[0]) + Sine(t, chord[1]) + 1.2 * Sine(t, chord[2]);
            for (double f : others)
                v += 0.4 * Sine(t, f);
            return v;
        };
    };
    soundcheck::Clip cMajor = Make(2.0, 1, scale({261.63, 329.63, 392.0}, {293.66, 349.23, 440.0, 493.88}));
    soundcheck::Clip aMinor = Make(2.0, 1, scale({220.0, 261.63, 329.63}, {246.94, 293.66, 349.23, 392.0}));
    EXPECT_EQ(soundcheck::EstimateKey(soundcheck::AverageSpectrum(cMajor), Rate), "C major");
    EXPECT_EQ(soundcheck::EstimateKey(soundcheck::AverageSpectrum(aMinor), Rate), "A minor");
}
