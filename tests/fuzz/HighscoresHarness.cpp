// The highscore file, "Data/Highscore.txt": the input as it is and with its
// checksum made to match. A damaged file is set aside whole and replaced by
// an empty one; a table that loads saves and loads back unchanged, also
// after a score is entered the game's way.
#include "StoreFileCheck.h"

#include "t4/io/ChecksumChain.h"

#include <algorithm>
#include <string>

namespace {

using namespace fuzz;

const fuzz::StoreFile HighscoresFile{
    ProfileStore::HighscoresFileName, ProfileStore::HighscoresErrorFileName, "highscores",
    [](ProfileStore& store) { store.LoadHighscores(); }, [](ProfileStore& store) { store.SaveHighscores(); },
    [](const ProfileStore& a, const ProfileStore& b) {
        return std::equal(a.highscores.begin(), a.highscores.end(), b.highscores.begin(), b.highscores.end(),
                          [](const Highscore& x, const Highscore& y) { return x.name == y.name && x.score == y.score; });
    }};

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ProfileStore store;
    const std::string outcome = LoadStoreFile(HighscoresFile, bytes, store);

    ProfileStore sealed;
    if (LoadStoreFile(HighscoresFile, SealChecksum(bytes, ProfileChecksumSeed, true), sealed) == "loaded") {
        // A finished game enters its score: the table is read again, the
        // score goes in, the lowest beyond eight go, and the table is saved.
        Profile player;
        player.name = "Fuzz";
        player.stats.totalCoins = static_cast<std::uint32_t>(size * 97);
        sealed.profiles.push_back(player);
        sealed.currentProfile = 0;
        LogCapture log;
        sealed.AddHighscore();
        FUZZ_CHECK(log.Text().empty(), "entering a score failed: " + log.Text());
        FUZZ_CHECK(sealed.highscores.size() <= ProfileStore::MaxHighscores, "the table holds too many scores");
        CheckSavedAlike(HighscoresFile, sealed);
    }
    return outcome;
}
