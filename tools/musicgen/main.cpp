// musicgen <out-folder>: composes and plays every music track of the game and
// writes it to <out-folder>/Music/<Name>.ogg, stereo Ogg Vorbis.
//
// The pieces are made on a few threads, but written one after the other in
// id order: the Ogg writer numbers its streams from the C library's rand(),
// so the order of writing keeps the files the same from run to run.
#include "musicgen/Composer.h"
#include "musicgen/Jingle.h"
#include "musicgen/Renderer.h"
#include "musicgen/TrackTable.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<sf::Int16> MakeTrack(const musicgen::TrackSpec& track)
{
    musicgen::Score score = track.jingle == musicgen::JingleKind::None ? musicgen::Composer(track).Compose()
                                                                        : musicgen::Jingle(track).Compose();
    return musicgen::Renderer::Render(score, track.seed).Interleaved();
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
    std::vector<std::vector<sf::Int16>> pcm(tracks.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (std::size_t i = next++; i < tracks.size(); i = next++) {
            try {
                pcm[i] = MakeTrack(tracks[i]);
            } catch (const std::exception& e) {
                std::cerr << "musicgen: " << tracks[i].name << ": " << e.what() << "\n";
                failed = true;
            }
        }
    };
    std::vector<std::thread> workers;
    unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 3u);
    for (unsigned k = 0; k < count; ++k)
        workers.emplace_back(work);
    for (std::thread& t : workers)
        t.join();
    if (failed)
        return 1;

    int failures = 0;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const std::string path = folder + "/" + tracks[i].name + ".ogg";
        sf::OutputSoundFile file;
        if (!file.openFromFile(path, musicgen::Renderer::SampleRate, 2)) {
            std::cerr << "musicgen: cannot write " << path << "\n";
            ++failures;
            continue;
        }
        file.write(pcm[i].data(), pcm[i].size());
    }
    return failures ? 1 : 0;
}
