// musicgen <out-folder>: composes and plays every music track of the game and
// writes it to <out-folder>/Music/<Name>.ogg, stereo Ogg Vorbis at 44.1 kHz.
//
// The pieces are made and written side by side, one thread per core: each
// file's Ogg stream is numbered from its track's row, so the bytes are the
// same whatever order the threads finish in.
#include "musicgen/Composer.h"
#include "musicgen/Jingle.h"
#include "musicgen/OggWriter.h"
#include "musicgen/Renderer.h"
#include "musicgen/TrackTable.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Vorbis quality 0.3 (about 110 kbit/s for stereo at 44.1 kHz): clean for
// synthesised music, and the 19 tracks stay near 25 MB.
const float VorbisQuality = 0.3f;

musicgen::StereoMix MakeTrack(const musicgen::TrackSpec& track)
{
    musicgen::Score score = track.jingle == musicgen::JingleKind::None ? musicgen::Composer(track).Compose()
                                                                        : musicgen::Jingle(track).Compose();
    return musicgen::Renderer::Render(score, track.seed);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: musicgen <out-folder>\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/Music";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "musicgen: cannot make " << folder << ": " << error.message() << "\n";
        return 1;
    }

    const auto& tracks = musicgen::TrackTable();
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex report;
    auto work = [&] {
        for (std::size_t i = next++; i < tracks.size(); i = next++) {
            const std::string path = folder + "/" + tracks[i].name + ".ogg";
            try {
                musicgen::StereoMix mix = MakeTrack(tracks[i]);
                if (!musicgen::WriteOggVorbis(path, mix.Left(), mix.Right(), musicgen::Renderer::SampleRate,
                                              VorbisQuality, static_cast<int>(i) + 1)) {
                    std::lock_guard<std::mutex> lock(report);
                    std::cerr << "musicgen: cannot write " << path << "\n";
                    failed = true;
                }
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(report);
                std::cerr << "musicgen: " << tracks[i].name << ": " << e.what() << "\n";
                failed = true;
            }
        }
    };
    std::vector<std::thread> workers;
    unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    for (unsigned k = 0; k < count; ++k)
        workers.emplace_back(work);
    for (std::thread& t : workers)
        t.join();
    return failed ? 1 : 0;
}
