// sfxgen <out-folder>: makes every sound effect of the game and writes it to
// <out-folder>/Sfx/<Name>.wav as 16-bit mono PCM. The same bytes every run.
#include "sfxgen/EffectTable.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: sfxgen <out-folder>\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/Sfx";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "sfxgen: cannot make " << folder << ": " << error.message() << "\n";
        return 1;
    }

    int failures = 0;
    for (const sfxgen::EffectSpec& spec : sfxgen::EffectTable()) {
        const std::string path = folder + "/" + spec.name + ".wav";
        std::vector<sf::Int16> pcm = sfxgen::MakeEffect(spec).ToPcm16();
        sf::OutputSoundFile file;
        if (!file.openFromFile(path, sfxgen::Signal::SampleRate, 1)) {
            std::cerr << "sfxgen: cannot write " << path << "\n";
            ++failures;
            continue;
        }
        file.write(pcm.data(), pcm.size());
    }
    return failures ? 1 : 0;
}
