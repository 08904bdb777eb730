// The audio manager over stand-in sounds and music, on OpenAL Soft's null
// device (the tests run with ALSOFT_DRIVERS=null).
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ResourceManager.h"

#include "support/FixtureArchives.h"
#include "support/FixtureResources.h"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Lock.hpp>
#include <SFML/System/Sleep.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Audio {
    explicit Audio(const std::set<std::string>& missingSounds = {},
                   const std::map<std::string, std::string>& soundFiles = {})
        : fixture(missingSounds, soundFiles), audio(resources, window)
    {
    }
    testsupport::FixtureResources fixture;
    GameWindow window;
    ResourceManager resources;
    AudioManager audio;
};

// Waits until a music has played to its end.
bool WaitUntilStopped(sf::Music& music)
{
    sf::Clock clock;
    while (music.getStatus() != sf::SoundSource::Stopped) {
        if (clock.getElapsedTime() > sf::seconds(10))
            return false;
        sf::sleep(sf::milliseconds(5));
    }
    return true;
}

// Runs the loader thread to its end and returns what it logged.
std::string LoadAllSounds(AudioManager& audio)
{
    std::stringstream log;
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    sf::Clock clock;
    audio.StartLoading();
    while (audio.GetLoadingProgress() < 1.f && clock.getElapsedTime() < sf::seconds(20))
        sf::sleep(sf::milliseconds(5));
    audio.CancelLoading();
    std::cerr.rdbuf(saved);
    EXPECT_EQ(audio.GetLoadingProgress(), 1.f);
    return log.str();
}

}  // namespace

TEST(AudioManager, MainMusicJingleAndResume)
{
    Audio a;
    AudioManager& audio = a.audio;
    EXPECT_EQ(audio.state, MusicStopped);
    EXPECT_THROW(audio.GetCurrentMusic(), std::logic_error);

    audio.SetMainMusic(MusicForest1);
    audio.PlayMainMusic();
    sf::Music& main = a.resources.GetMusic(MusicForest1);
    EXPECT_EQ(audio.state, MusicMainPlaying);
    EXPECT_TRUE(main.getLoop());
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Playing);
    EXPECT_EQ(&audio.GetCurrentMusic(), &main);

    audio.PlayJingle(MusicEndOfLevel);
    sf::Music& jingle = a.resources.GetMusic(MusicEndOfLevel);
    EXPECT_EQ(audio.state, MusicJinglePlaying);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Paused);
    EXPECT_FALSE(jingle.getLoop());
    EXPECT_EQ(&audio.GetCurrentMusic(), &jingle);

    // A second jingle cuts the first; the main music stays paused.
    audio.PlayJingle(MusicGameOver);
    EXPECT_EQ(jingle.getStatus(), sf::SoundSource::Stopped);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Paused);

    audio.Update();   // still playing: nothing changes
    EXPECT_EQ(audio.state, MusicJinglePlaying);
    ASSERT_TRUE(WaitUntilStopped(a.resources.GetMusic(MusicGameOver)));
    audio.Update();   // the jingle ended: the main music comes back, looped
    EXPECT_EQ(audio.state, MusicMainPlaying);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Playing);
    EXPECT_TRUE(main.getLoop());

    audio.PauseMusic();
    EXPECT_EQ(audio.state, MusicMainPaused);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Paused);
    audio.ResumeMusic();
    EXPECT_EQ(audio.state, MusicMainPlaying);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Playing);

    audio.PlayJingle(MusicJetpack);
    audio.PlayMainMusic();   // stops the jingle at once
    EXPECT_EQ(a.resources.GetMusic(MusicJetpack).getStatus(), sf::SoundSource::Stopped);
    EXPECT_EQ(audio.state, MusicMainPlaying);

    audio.StopMusic();
    EXPECT_EQ(audio.state, MusicStopped);
    EXPECT_EQ(audio.mainMusic, MusicNone);
    EXPECT_EQ(audio.jingleMusic, MusicNone);
    EXPECT_EQ(main.getStatus(), sf::SoundSource::Stopped);

    // Nothing of the state machine reaches for a music while stopped.
    EXPECT_NO_THROW(audio.Update());
    EXPECT_NO_THROW(audio.PauseMusic());
    EXPECT_NO_THROW(audio.SetMusicVolume());
    EXPECT_EQ(audio.state, MusicStopped);
    audio.PlayJingle(MusicInvulnerability);
    EXPECT_EQ(audio.state, MusicJinglePlaying);
    // With no main music to come back to, the end of the jingle is silence.
    ASSERT_TRUE(WaitUntilStopped(a.resources.GetMusic(MusicInvulnerability)));
    EXPECT_NO_THROW(audio.Update());
    EXPECT_EQ(audio.state, MusicStopped);
    EXPECT_EQ(audio.jingleMusic, MusicNone);
    EXPECT_NO_THROW(audio.Update());
}

TEST(AudioManager, SoundsAreCulledByDistanceAndSuppression)
{
    Audio a;
    AudioManager& audio = a.audio;
    sf::Listener::setPosition(100.f, 100.f, audio.GetListenerHeight());
    struct Case {
        float x, y;
        bool plays;
    } cases[] = {
        {0.f, 0.f, true},           // at the listener, whatever the distance
        {1100.f, 100.f, true},      // exactly 1000 away
        {1100.1f, 100.f, false},
        {0.f, 5.f, true},           // an ordinary point, tested like any other
        {100.f, -1000.f, false},
    };
    for (const Case& c : cases) {
        std::size_t before = audio.pools[SoundCoin].size();
        audio.PlaySound(SoundCoin, c.x, c.y);
        EXPECT_EQ(audio.pools[SoundCoin].size(), before + (c.plays ? 1 : 0)) << c.x << "," << c.y;
    }
    const MovableSound& atListener = audio.pools[SoundCoin].front();
    EXPECT_EQ(atListener.getPosition(), sf::Vector3f(100.f, 100.f, 0.f));
    EXPECT_FLOAT_EQ(atListener.getMinDistance(), std::sqrt(300.f * 300.f + 200.f * 200.f));
    EXPECT_FLOAT_EQ(atListener.getAttenuation(), 8.05f);

    a.window.selected[OptionSoundVolume] = 2;
    audio.PlaySound(SoundJump, 100.f, 100.f, 2.f, -1.f);
    MovableSound& moving = audio.pools[SoundJump].back();
    EXPECT_FLOAT_EQ(moving.getVolume(), 50.f);
    EXPECT_FLOAT_EQ(atListener.getVolume(), 100.f);   // only later sounds change
    audio.Update();
    EXPECT_EQ(moving.getPosition(), sf::Vector3f(102.f, 99.f, 0.f));

    audio.SetSuppressed(true);
    audio.PlaySound(SoundJump, 100.f, 100.f);
    audio.PlaySingleSound(SoundLava, 100.f, 100.f);
    EXPECT_EQ(audio.pools[SoundJump].size(), 1u);
    EXPECT_EQ(audio.singleSounds[1].getBuffer(), nullptr);
    audio.SetSuppressed(false);

    audio.PlaySingleSound(SoundLava, 120.f, 100.f);
    EXPECT_EQ(audio.singleSounds[1].getStatus(), sf::SoundSource::Playing);
    audio.PlaySingleSound(SoundLava, 130.f, 100.f);   // playing: only moves
    EXPECT_EQ(audio.singleSounds[1].getPosition().x, 130.f);
    audio.PauseSingleSound(SoundLava);
    EXPECT_EQ(audio.singleSounds[1].getStatus(), sf::SoundSource::Paused);
}

TEST(AudioManager, PurgingStopsAtTheFirstSoundStillPlaying)
{
    Audio a;
    AudioManager& audio = a.audio;
    for (int i = 0; i < 3; ++i)
        audio.PlaySound(SoundItem, 0.f, 0.f);
    auto it = audio.pools[SoundItem].begin();
    std::next(it)->stop();    // the second has finished, the first still plays
    std::next(it, 2)->stop();
    audio.PurgeSounds();
    EXPECT_EQ(audio.pools[SoundItem].size(), 3u);
    it->stop();
    audio.PurgeSounds();
    EXPECT_TRUE(audio.pools[SoundItem].empty());
}

TEST(AudioManager, TheLoaderLoadsEverySoundAndPublishesItsProgress)
{
    Audio a;
    a.audio.StartLoading();
    a.audio.CancelLoading();   // waits; it may have finished already
    a.audio.StartLoading();
    sf::Clock clock;
    while (a.audio.GetLoadingProgress() < 1.f && clock.getElapsedTime() < sf::seconds(20))
        sf::sleep(sf::milliseconds(5));
    EXPECT_EQ(a.audio.GetLoadingProgress(), 1.f);
    a.audio.CancelLoading();
    sf::Lock lock(a.resources.GetSoundMutex());
    const sf::SoundBuffer* jump = &a.resources.GetSound(SoundJump);
    EXPECT_GT(jump->getSampleCount(), 0u);
}

TEST(AudioManager, CancellingStopsTheLoaderBeforeItsNextSound)
{
    Audio a;
    {
        // Hold the loader at its first sound, cancel, then let it go.
        sf::Lock soundLock(a.resources.GetSoundMutex());
        a.audio.StartLoading();
        sf::Clock clock;
        while (clock.getElapsedTime() < sf::milliseconds(100))
            sf::sleep(sf::milliseconds(5));
        sf::Lock audioLock(a.audio.mutex);
        EXPECT_EQ(a.audio.progress, 0.f);
        a.audio.cancel = true;
    }
    a.audio.CancelLoading();
    EXPECT_FLOAT_EQ(a.audio.GetLoadingProgress(), 1.f / 25.f);
}

TEST(AudioManager, ASoundTheLoaderCannotLoadIsLoggedAndStaysSilent)
{
    const struct Case {
        const char* what;
        std::set<std::string> missing;
        std::map<std::string, std::string> files;
    } cases[] = {
        {"missing", {"Sfx/Warp.wav"}, {}},
        {"header claiming 4 GB", {}, {{"Sfx/Warp.wav", testsupport::MakeWavClaiming(0xFFFFFFF0u)}}},
    };
    for (const Case& c : cases) {
        Audio a(c.missing, c.files);
        EXPECT_NE(LoadAllSounds(a.audio).find("Sound loader: Loading error at Sfx/Warp.wav ("), std::string::npos)
            << c.what;
        // Played, it is not loaded again (which would fail and throw).
        for (int i = 0; i < 2; ++i)
            EXPECT_NO_THROW(a.audio.PlaySound(SoundWarp, 0.f, 0.f)) << c.what;
        EXPECT_TRUE(a.audio.pools[SoundWarp].empty()) << c.what;
        a.audio.PlaySound(SoundSwitch, 0.f, 0.f);   // the sounds after it were loaded
        EXPECT_EQ(a.audio.pools[SoundSwitch].size(), 1u) << c.what;
    }
}

// Played before the loader thread reaches it, a damaged sound fares as it
// does when the loader finds it first: logged once, silent, the game going on.
TEST(AudioManager, ASoundThatCannotBeLoadedWhenPlayedIsLoggedOnceAndStaysSilent)
{
    Audio a({"Sfx/Warp.wav", "Sfx/Lava.wav"});
    std::stringstream log;
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    for (int i = 0; i < 2; ++i) {
        EXPECT_NO_THROW(a.audio.PlaySound(SoundWarp, 0.f, 0.f));
        EXPECT_NO_THROW(a.audio.PlaySingleSound(SoundLava, 0.f, 0.f));
    }
    std::cerr.rdbuf(saved);
    EXPECT_TRUE(a.audio.pools[SoundWarp].empty());
    EXPECT_EQ(a.audio.singleSounds[1].getBuffer(), nullptr);
    for (const char* path : {"Sfx/Warp.wav", "Sfx/Lava.wav"}) {
        const std::string entry = std::string("Loading error at ") + path;
        const std::size_t first = log.str().find(entry);
        EXPECT_NE(first, std::string::npos) << log.str();
        EXPECT_EQ(log.str().find(entry, first + 1), std::string::npos) << "logged twice: " << log.str();
    }
    const std::string loaderLog = LoadAllSounds(a.audio);
    EXPECT_EQ(loaderLog.find("Sfx/Warp.wav"), std::string::npos) << "the loader tries it again: " << loaderLog;
    a.audio.PlaySound(SoundSwitch, 0.f, 0.f);
    EXPECT_EQ(a.audio.pools[SoundSwitch].size(), 1u);
}

// A log that throws as it is written (as a stream with exceptions set does
// once its file fails) loses the entry, not the loader thread or the game.
TEST(AudioManager, AFailureToLogADamagedSoundLeavesTheLoaderRunning)
{
    struct RefusingBuffer : std::streambuf {
        int_type overflow(int_type) override { return traits_type::eof(); }
    } refusing;
    Audio a({"Sfx/Warp.wav", "Sfx/Jetpack.wav"});
    std::streambuf* saved = std::cerr.rdbuf(&refusing);
    std::cerr.exceptions(std::ios::badbit);
    a.audio.StartLoading();
    sf::Clock clock;
    while (a.audio.GetLoadingProgress() < 1.f && clock.getElapsedTime() < sf::seconds(20))
        sf::sleep(sf::milliseconds(5));
    a.audio.CancelLoading();
    EXPECT_NO_THROW(a.audio.PlaySingleSound(SoundJetpack, 0.f, 0.f));
    std::cerr.exceptions(std::ios::goodbit);
    std::cerr.clear();
    std::cerr.rdbuf(saved);
    EXPECT_EQ(a.audio.GetLoadingProgress(), 1.f);
    a.audio.PlaySound(SoundWarp, 0.f, 0.f);
    EXPECT_TRUE(a.audio.pools[SoundWarp].empty());
}

// A sound archive that can no longer be read once the game runs (its file
// cut short) fails every load with the archive reader's own error.
TEST(AudioManager, TheLoaderSurvivesASoundArchiveThatCannotBeRead)
{
    Audio a;
    a.fixture.dir.WriteFile("Data/Resources3.vrk", "");
    const std::string log = LoadAllSounds(a.audio);
    EXPECT_NE(log.find("Sound loader: Failed to load Sfx/Jump.wav: Failed to read data"), std::string::npos) << log;
    EXPECT_NE(log.find("Sound loader: Failed to load Sfx/Lava.wav: Failed to read data"), std::string::npos) << log;
    EXPECT_NO_THROW(a.audio.PlaySound(SoundJump, 0.f, 0.f));
    EXPECT_NO_THROW(a.audio.PlaySingleSound(SoundLava, 0.f, 0.f));
    EXPECT_TRUE(a.audio.pools[SoundJump].empty());
    EXPECT_EQ(a.audio.singleSounds[1].getBuffer(), nullptr);
}

// While the loader thread fills the sound cache, the main thread goes on
// opening other files of the archives (each open adds to the resource
// manager's stream map), plays sounds and music (SFML reads the music's
// archive stream on a thread of its own). Run under ThreadSanitizer too.
TEST(AudioManager, TheMainThreadLoadsAndPlaysWhileTheLoaderRuns)
{
    Audio a;
    a.audio.StartLoading();
    a.audio.SetMainMusic(MusicMenu);
    a.audio.PlayMainMusic();
    std::vector<const sf::Texture*> textures;
    for (std::uint32_t id : {TexturePlayer, TextureObject, TextureItem, TextureMenu})
        textures.push_back(&a.resources.GetTexture(id));
    const sf::Font& font = a.resources.GetFont();
    sf::Clock clock;
    while (a.audio.GetLoadingProgress() < 1.f && clock.getElapsedTime() < sf::seconds(20)) {
        a.audio.PlaySound(SoundJump, 0.f, 0.f);
        a.audio.Update();
        sf::sleep(sf::milliseconds(1));
    }
    a.audio.CancelLoading();
    EXPECT_EQ(a.audio.GetLoadingProgress(), 1.f);
    for (const sf::Texture* texture : textures)
        EXPECT_EQ(texture->getSize(), sf::Vector2u(64, 64));
    EXPECT_EQ(&a.resources.GetFont(), &font);
    sf::Lock lock(a.resources.GetSoundMutex());
    for (std::uint32_t id = 0; id < PooledSoundCount; ++id)
        EXPECT_GT(a.resources.GetSound(id).getSampleCount(), 0u) << "sound " << id;
}
