// Without an audio device the game runs on in silence: the music state
// machine goes on, nothing is played, and SFML's failing calls do not flood
// the log step after step.
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ResourceManager.h"

#include "support/FixtureResources.h"

#include <SFML/System/Err.hpp>
#include <SFML/System/Sleep.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

TEST(NoAudioDevice, TheGameRunsSilentlyWithoutFloodingTheLog)
{
    // Before the first OpenAL call of the process: no output driver at all.
    setenv("ALSOFT_DRIVERS", "none", 1);
    testsupport::FixtureResources fixture;
    std::stringstream log;
    std::streambuf* savedCerr = std::cerr.rdbuf(log.rdbuf());
    std::streambuf* savedErr = sf::err().rdbuf(log.rdbuf());
    {
        GameWindow window;
        ResourceManager resources;
        AudioManager audio(resources, window);
        EXPECT_FALSE(audio.audible);
        std::size_t afterStart = log.str().size();

        audio.SetMainMusic(MusicForest1);
        audio.PlayMainMusic();
        EXPECT_EQ(audio.state, MusicMainPlaying);
        audio.PlayJingle(MusicEndOfLevel);
        EXPECT_EQ(audio.state, MusicJinglePlaying);
        audio.Update();   // a silent jingle is over at once
        EXPECT_EQ(audio.state, MusicMainPlaying);
        for (int step = 0; step < 400; ++step) {
            audio.PlaySound(SoundCoin, 0.f, 0.f);
            audio.PlaySingleSound(SoundLava, 0.f, 0.f);
            audio.Update();
        }
        sf::sleep(sf::milliseconds(300));
        EXPECT_TRUE(audio.pools[SoundCoin].empty());
        // Ten seconds of play leave at most a few lines behind.
        EXPECT_LT(log.str().size() - afterStart, 4000u) << log.str().substr(afterStart, 2000);
        EXPECT_NE(log.str().find("No audio device found: the game runs without sound."), std::string::npos);
        audio.StopMusic();
    }
    std::cerr.rdbuf(savedCerr);
    sf::err().rdbuf(savedErr);
}
