// soundcheck [--bands] <file or folder>...: measures the game's sounds and music the way
// a listener meets them and prints one line per file, then how far apart the
// pieces of music are. Folders are searched for .wav and .ogg files.
//
// Effects (mono): length, peak, offset, momentary loudness, the energy above
// 10 kHz and, for every file, its seam (how it runs from its end into its start,
// and how loud its first and last 30 ms are against the whole).
// Music (stereo): length, rate, offset, integrated loudness, trailing silence,
// tempo, key, the share of energy under 780 Hz and the 1-4 kHz band against
// 250 Hz-1 kHz, the seam's jump and how loud its first and last 150 ms are
// against the whole; then, for every two pieces of the same world (and the victory
// piece against the volcano), the spectrum distance and the rhythm correlation.
// --bands adds each piece's third-octave levels (50 Hz to 16 kHz, dB against its whole).
#include "soundcheck/SoundMeasure.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Piece {
    std::string name;
    std::vector<double> bands;
    soundcheck::Rhythm rhythm;
};

std::string Stem(const fs::path& path)
{
    return path.stem().string();
}

soundcheck::Clip Slice(const soundcheck::Clip& clip, double from, double to)
{
    soundcheck::Clip part = clip;
    std::size_t first = static_cast<std::size_t>(from * static_cast<double>(clip.Frames())) * clip.channels;
    std::size_t last = static_cast<std::size_t>(to * static_cast<double>(clip.Frames())) * clip.channels;
    part.samples.assign(clip.samples.begin() + static_cast<long>(first), clip.samples.begin() + static_cast<long>(last));
    return part;
}

// The centre of gravity of a spectrum, Hz.
double Centroid(const soundcheck::Clip& clip)
{
    std::vector<double> spectrum = soundcheck::AverageSpectrum(clip);
    double binHz = static_cast<double>(clip.rate) / static_cast<double>(2 * (spectrum.size() - 1));
    double sum = 0.0, weighted = 0.0;
    for (std::size_t k = 1; k < spectrum.size(); ++k) {
        sum += spectrum[k];
        weighted += spectrum[k] * static_cast<double>(k) * binHz;
    }
    return sum > 0.0 ? weighted / sum : 0.0;
}

// The world of a piece by its name (letters up to the first digit).
std::string Group(const std::string& name)
{
    std::string group;
    for (char c : name) {
        if (c >= '0' && c <= '9')
            break;
        group += c;
    }
    return group;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundcheck [--bands] <file or folder>...\n");
        return 2;
    }
    std::vector<fs::path> files;
    bool bands = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--bands") {
            bands = true;
            continue;
        }
        fs::path arg(argv[i]);
        if (fs::is_directory(arg)) {
            for (const auto& entry : fs::recursive_directory_iterator(arg))
                if (entry.path().extension() == ".wav" || entry.path().extension() == ".ogg")
                    files.push_back(entry.path());
        } else {
            files.push_back(arg);
        }
    }
    std::sort(files.begin(), files.end());

    std::vector<Piece> pieces;
    std::map<std::string, std::vector<double>> effectBands;
    std::vector<double> effectLoudness;
    bool effectHeader = false, musicHeader = false;
    for (const fs::path& path : files) {
        soundcheck::Clip clip;
        try {
            clip = soundcheck::DecodeFile(path.string());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", path.string().c_str(), e.what());
            return 1;
        }
        std::vector<double> spectrum = soundcheck::AverageSpectrum(clip);
        soundcheck::Seam seam = soundcheck::MeasureSeam(clip);
        if (clip.channels == 1) {
            if (!effectHeader) {
                std::printf("%-12s %6s %7s %8s %7s %7s %7s %11s | seam: %6s %7s %7s %7s %6s %6s %6s\n",
                            "effect", "s", "peak", "dc", "LUFS-M", ">10k%", "trail", "centroid", "edgeDb", "jump",
                            "dipDb", "stepDb", "rst/s", "headDb", "tailDb");
                effectHeader = true;
            }
            double loudness = soundcheck::MomentaryLoudness(clip);
            soundcheck::Edges edges = soundcheck::MeasureEdges(clip, soundcheck::EffectEdgeSeconds);
            effectLoudness.push_back(loudness);
            effectBands[Stem(path)] = soundcheck::ThirdOctaveLevels(spectrum, clip.rate);
            std::printf("%-12s %6.2f %7.1f %8.4f %7.1f %7.2f %7.3f %5.0f>%5.0f | %12.1f %7.1f %7.1f %7.1f %6.2f %6.1f %6.1f\n",
                        Stem(path).c_str(), clip.Seconds(), soundcheck::PeakDb(clip), soundcheck::DcOffset(clip),
                        loudness, 100.0 * soundcheck::BandShare(spectrum, clip.rate, 10000.0, 1e9),
                        soundcheck::TrailingSilence(clip), Centroid(Slice(clip, 0.0, 0.4)),
                        Centroid(Slice(clip, 0.6, 1.0)), seam.edgeDb, seam.jumpRatio, seam.dipDb,
                        seam.stepDb, seam.restartsPerSecond, edges.headDb, edges.tailDb);
        } else {
            if (!musicHeader) {
                std::printf("%-16s %6s %6s %8s %7s %6s %6s %-10s %6s %6s %6s %7s %6s %6s\n", "music", "s", "rate",
                            "dc", "LUFS-I", "trail", "bpm", "key", "<780%", "1-4k", "95%Hz", "seamJ", "headDb",
                            "tailDb");
                musicHeader = true;
            }
            soundcheck::Rhythm rhythm = soundcheck::MeasureRhythm(clip);
            soundcheck::Edges edges = soundcheck::MeasureEdges(clip, soundcheck::MusicEdgeSeconds);
            std::printf("%-16s %6.1f %6u %8.4f %7.1f %6.2f %6.1f %-10s %6.1f %6.1f %6.0f %7.1f %6.1f %6.1f\n",
                        Stem(path).c_str(), clip.Seconds(), clip.rate, soundcheck::DcOffset(clip),
                        soundcheck::IntegratedLoudness(clip), soundcheck::TrailingSilence(clip), rhythm.tempo,
                        soundcheck::EstimateKey(spectrum, clip.rate).c_str(),
                        100.0 * soundcheck::BandShare(spectrum, clip.rate, 0.0, 780.0),
                        soundcheck::BandRatioDb(spectrum, clip.rate, 1000.0, 4000.0, 250.0, 1000.0),
                        soundcheck::PowerPercentile(spectrum, clip.rate, 0.95), seam.jumpRatio, edges.headDb,
                        edges.tailDb);
            pieces.push_back({Stem(path), soundcheck::ThirdOctaveLevels(spectrum, clip.rate), rhythm});
        }
    }
    if (!effectLoudness.empty()) {
        auto [low, high] = std::minmax_element(effectLoudness.begin(), effectLoudness.end());
        std::printf("effects: momentary loudness %.1f to %.1f LUFS, spread %.1f dB\n", *low, *high, *high - *low);
    }
    // Sounds that mean opposite things must not sound alike.
    const char* const opposites[][2] = {{"Hurt", "Enemy"}, {"Coin", "Item"}};
    for (const auto& pair : opposites)
        if (effectBands.count(pair[0]) && effectBands.count(pair[1]))
            std::printf("%s against %s: spectrum distance %.1f dB\n", pair[0], pair[1],
                        soundcheck::SpectrumDistance(effectBands[pair[0]], effectBands[pair[1]]));
    if (bands)
        for (const Piece& piece : pieces) {
            std::printf("%-16s", piece.name.c_str());
            for (double level : piece.bands)
                std::printf(" %4.0f", level);
            std::printf("\n");
        }
    bool pairHeader = false;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t j = i + 1; j < pieces.size(); ++j) {
            std::string gi = Group(pieces[i].name), gj = Group(pieces[j].name);
            bool victoryVolcano = (gi == "Victory" && gj == "Volcano") || (gi == "Volcano" && gj == "Victory");
            if (gi != gj && !victoryVolcano)
                continue;
            if (!pairHeader) {
                std::printf("%-16s %-16s %8s %8s\n", "piece", "piece", "specDb", "rhythm");
                pairHeader = true;
            }
            std::printf("%-16s %-16s %8.1f %8.2f\n", pieces[i].name.c_str(), pieces[j].name.c_str(),
                        soundcheck::SpectrumDistance(pieces[i].bands, pieces[j].bands),
                        soundcheck::RhythmCorrelation(pieces[i].rhythm, pieces[j].rhythm));
        }
    return 0;
}
