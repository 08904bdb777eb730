#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Measurements of the game's sounds and music as a listener meets them:
// loudness, offset, spectrum, tempo, key, and how cleanly a sound runs on
// from its end into its start. Shared by the soundcheck tool and the
// content tests.
namespace soundcheck {

// Decoded audio: interleaved samples in [-1, 1].
struct Clip {
    unsigned rate = 0;
    unsigned channels = 0;
    std::vector<float> samples;

    std::size_t Frames() const { return channels ? samples.size() / channels : 0; }
    double Seconds() const { return rate ? static_cast<double>(Frames()) / rate : 0.0; }
    // The channels averaged into one.
    std::vector<float> Mono() const;
};

// Decodes a WAV or Ogg file held in memory; throws std::runtime_error when
// it cannot be read.
Clip DecodeClip(const std::string& bytes);
Clip DecodeFile(const std::string& path);

// The largest per-channel mean, signed, as a share of full scale.
double DcOffset(const Clip& clip);
double PeakDb(const Clip& clip);

// Loudness after the K-weighting of ITU-R BS.1770 (its pre-filter taken as a
// +4 dB high shelf at 1500 Hz and its RLB filter as a 38 Hz high pass, both
// second-order sections made by the bilinear transform: within a few tenths of
// a dB of the standard's coefficients), in LUFS: -0.691 + 10 log10 of the
// mean square summed over the channels.
// - Momentary: the loudest 400 ms window (10 ms hop); a clip shorter than a
//   window counts as the clip followed by silence, as a listener hears it.
// - Integrated: the whole clip with the standard's gates (-70 LUFS absolute,
//   then 10 LU under the ungated mean of the 400 ms blocks).
double MomentaryLoudness(const Clip& clip);
double IntegratedLoudness(const Clip& clip);

// Seconds from the last 10 ms block louder than `thresholdDb` (RMS, dBFS) to
// the end: the silence a listener waits through.
double TrailingSilence(const Clip& clip, double thresholdDb = -50.0);

// How a sound that is started again as soon as it ends sounds at its seam.
// The game's restart comes up to one step (25 ms) late, so a seamless
// repeated sound runs on from its end into its start (no jump, the same
// level on both sides) and has its seam in a lull, where that short wait
// goes unheard.
struct Seam {
    double edgeDb;     // the larger of the first and last sample, dBFS
    double jumpRatio;  // |last - first| over the median step between neighbouring samples
    double dipDb;      // RMS of the 12.5 ms on either side of the seam against the RMS of the whole, dB
    double stepDb;     // RMS of the last 200 ms against the first 200 ms, dB
    double restartsPerSecond;
};
Seam MeasureSeam(const Clip& clip);

// The RMS of the first and of the last `seconds` against the RMS of the
// whole, dB: how loud a sound is where it is left and where it is taken up
// again. A looped piece runs through its wrap at its own level (both near 0);
// a restarted sound hides the game's wait in a lull at both ends (both well
// under 0).
struct Edges {
    double headDb;
    double tailDb;
};
Edges MeasureEdges(const Clip& clip, double seconds);
// The spans to measure them over: an effect's lull must hold the game's wait
// of up to one step (25 ms); a piece's wrap is heard over a short phrase.
constexpr double EffectEdgeSeconds = 0.03;
constexpr double MusicEdgeSeconds = 0.15;

// The power spectrum of the channel mix averaged over Hann windows of 8192
// samples (half overlapping); bin k is k * rate / 8192 Hz.
std::vector<double> AverageSpectrum(const Clip& clip);
// The share of the spectrum's power between two frequencies.
double BandShare(const std::vector<double>& spectrum, unsigned rate, double low, double high);
// Level of the band from `low` to `high` Hz against the band from `low2` to `high2`, dB.
double BandRatioDb(const std::vector<double>& spectrum, unsigned rate, double low, double high, double low2,
                   double high2);
// The frequency under which `share` of the power lies.
double PowerPercentile(const std::vector<double>& spectrum, unsigned rate, double share);

// Levels of the third-octave bands from 50 Hz to 16 kHz, dB, relative to the
// clip's total; and the RMS difference of two such spectra in dB: how far
// apart two pieces sound in colour, whatever their loudness.
std::vector<double> ThirdOctaveLevels(const std::vector<double>& spectrum, unsigned rate);
double SpectrumDistance(const std::vector<double>& a, const std::vector<double>& b);

// The rhythm of a piece from its onset strength (positive spectral flux every
// 512 samples): the main tempo (beats per minute, 60 to 200, the strongest
// periodicity leaning towards 120, refined to the one whose fold is sharpest)
// and the onsets folded over a cycle of four such beats, whatever the tempo.
struct Rhythm {
    static constexpr std::size_t ProfileSize = 48;
    double tempo;
    std::vector<double> profile;
};
Rhythm MeasureRhythm(const Clip& clip);
// The correlation of two rhythms' folded onsets at their best alignment (1: the
// same groove, whatever the tempo).
double RhythmCorrelation(const Rhythm& a, const Rhythm& b);

// The key, by the Krumhansl-Kessler profiles against the pitch-class energy
// of the spectrum between 55 Hz and 2 kHz: e.g. "A minor".
std::string EstimateKey(const std::vector<double>& spectrum, unsigned rate);

}  // namespace soundcheck
