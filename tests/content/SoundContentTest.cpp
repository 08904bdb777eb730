// The built sounds and music as a player meets them: every piece and effect
// sits on zero, the effects share one loudness, the jingles hand back to the
// level music without a pause, the looped pieces run through their wrap,
// and the two sounds that the game starts again while they last (jetpack,
// lava) do so without an audible seam.
#include "BuiltArchive.h"

#include "soundcheck/SoundMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using contenttest::ReadEntry;

namespace {

const char* const SoundNames[] = {
    "Jump", "Trampoline", "Spawn", "Warp", "Hurt", "Die", "Item", "Coin", "Energy", "Life",
    "Checkpoint", "Switch", "Rocket", "RollingBomb", "Mine", "Arrow", "Fireball", "Darkball", "Ufo", "Faller",
    "Explosion", "HeavyExpl", "Block", "Enemy", "Jetpack", "Lava"};

const char* const MusicNames[] = {
    "Forest1", "Forest2", "Forest3", "Forest4", "Volcano1", "Volcano2", "Volcano3", "Volcano4", "Lab1", "Lab2",
    "Lab3", "Lab4", "Invulnerability", "TimeDistortion", "Jetpack", "EndOfLevel", "GameOver", "Victory", "Menu"};

// An offset of 0.005 of full scale is 46 dB under it: nothing a speaker
// wastes its travel on, and far under the 0.05 of a pulse wave left uncentred.
const double MaxOffset = 0.005;

class SoundContentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_THROW(music_.Open(contenttest::BuiltArchivePath(1), contenttest::ResourcePassword()));
        ASSERT_NO_THROW(sounds_.Open(contenttest::BuiltArchivePath(3), contenttest::ResourcePassword()));
    }

    soundcheck::Clip Effect(const std::string& name) { return soundcheck::DecodeClip(ReadEntry(sounds_, "Sfx/" + name + ".wav")); }
    soundcheck::Clip Music(const std::string& name) { return soundcheck::DecodeClip(ReadEntry(music_, "Music/" + name + ".ogg")); }

private:
    foxp::Archive music_;
    foxp::Archive sounds_;
};

}  // namespace

TEST_F(SoundContentTest, MusicIsCentredAt44100Hz)
{
    for (const char* name : MusicNames) {
        SCOPED_TRACE(name);
        soundcheck::Clip clip = Music(name);
        EXPECT_EQ(clip.rate, 44100u);
        EXPECT_LT(std::fabs(soundcheck::DcOffset(clip)), MaxOffset);
    }
}

TEST_F(SoundContentTest, JinglesEndWhereTheyDieAway)
{
    // The level music comes back as soon as a jingle ends: no silence first.
    for (const char* name : {"Invulnerability", "TimeDistortion", "Jetpack", "EndOfLevel", "GameOver"}) {
        SCOPED_TRACE(name);
        EXPECT_LT(soundcheck::TrailingSilence(Music(name)), 0.15);
    }
}

TEST_F(SoundContentTest, EffectsAreCentredAndEquallyLoud)
{
    // Levelled by loudness to one target, a few a little above it to stand
    // out and the two held sounds a little under it: at most 7 dB apart
    // (peak levelling left 16 dB between the quietest and the loudest).
    double quietest = 0.0, loudest = -100.0;
    std::string quietestName, loudestName;
    for (const char* name : SoundNames) {
        SCOPED_TRACE(name);
        soundcheck::Clip clip = Effect(name);
        EXPECT_LT(std::fabs(soundcheck::DcOffset(clip)), MaxOffset);
        double loudness = soundcheck::MomentaryLoudness(clip);
        if (loudness < quietest || quietestName.empty()) {
            quietest = loudness;
            quietestName = name;
        }
        if (loudness > loudest) {
            loudest = loudness;
            loudestName = name;
        }
    }
    EXPECT_LE(loudest - quietest, 7.0) << quietestName << " " << quietest << " LUFS, " << loudestName << " "
                                        << loudest << " LUFS";
}

TEST_F(SoundContentTest, RepeatedSoundsRestartUnheard)
{
    // The game starts these again up to one step (25 ms) after they end.
    for (const char* name : {"Jetpack", "Lava"}) {
        SCOPED_TRACE(name);
        soundcheck::Clip clip = Effect(name);
        soundcheck::Seam seam = soundcheck::MeasureSeam(clip);
        // Long, so that restarts are rare.
        EXPECT_GE(clip.Seconds(), 4.0);
        // Both ends at rest: neither the stop nor the start clicks.
        EXPECT_LT(seam.edgeDb, -50.0);
        // The end runs into the start at the same level...
        EXPECT_LT(std::fabs(seam.stepDb), 3.0);
        // ...through a lull of the sound's own, where the short wait goes unheard:
        // both ends stay quiet for longer than the wait.
        EXPECT_LT(seam.dipDb, -6.0);
        soundcheck::Edges edges = soundcheck::MeasureEdges(clip, soundcheck::EffectEdgeSeconds);
        EXPECT_LT(edges.headDb, -10.0);
        EXPECT_LT(edges.tailDb, -10.0);
    }
}

TEST_F(SoundContentTest, LoopedMusicRunsThroughItsWrap)
{
    // The level pieces, the victory piece and the menu piece play over and
    // over: their end flows into their start at the piece's own level, with
    // no fade or hole where they wrap.
    for (const char* name : {"Forest1", "Forest2", "Forest3", "Forest4", "Volcano1", "Volcano2", "Volcano3",
                             "Volcano4", "Lab1", "Lab2", "Lab3", "Lab4", "Victory", "Menu"}) {
        SCOPED_TRACE(name);
        soundcheck::Edges edges = soundcheck::MeasureEdges(Music(name), soundcheck::MusicEdgeSeconds);
        EXPECT_GT(edges.headDb, -6.0);
        EXPECT_GT(edges.tailDb, -6.0);
    }
}
