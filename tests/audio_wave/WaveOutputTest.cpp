// A played sound reaches the output: OpenAL Soft's wave writer records what
// the device mixes into a file, which the test then reads back.
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ResourceManager.h"

#include "support/FixtureResources.h"

#include <SFML/System/Sleep.hpp>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

// The loudest sample of the data chunk of a 16-bit PCM wave file.
int Peak(const std::string& path)
{
    std::string bytes = testsupport::ReadWholeFile(path);
    std::size_t data = bytes.find("data");
    if (data == std::string::npos)
        return -1;
    int peak = 0;
    for (std::size_t i = data + 8; i + 1 < bytes.size(); i += 2) {
        auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

}  // namespace

TEST(AudioOutput, APlayedSoundIsHeard)
{
    testsupport::FixtureResources fixture;
    std::string wave = fixture.dir.Path() + "/out.wav";
    fixture.dir.WriteFile("alsoft.conf", "[general]\nchannels = stereo\nsample-type = int16\n[wave]\nfile = " + wave + "\n");
    // Before the first OpenAL call of the process.
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", (fixture.dir.Path() + "/alsoft.conf").c_str(), 1);

    GameWindow window;
    ResourceManager resources;
    {
        AudioManager audio(resources, window);
        sf::sleep(sf::milliseconds(200));
        int silence = Peak(wave);
        EXPECT_LT(silence, 100);   // dither at most
        audio.PlaySound(SoundJump, 0.f, 0.f);
        sf::sleep(sf::milliseconds(400));
    }
    EXPECT_GT(Peak(wave), 1000);
}
