// The simulation, level loading, the checkpoint copy and the archive stream,
// without a display.
#include "bench/MidLevel.h"
#include "bench/Setup.h"

#include "app/ArchivePasswords.h"
#include "app/ResourceFile.h"
#include "foxp/Archive.h"
#include "foxp/TwistedStream.h"
#include "game/sim/Game.h"
#include "game/world/World.h"
#include "levelrun/ReplayRun.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One step of a level: a copy of the mid-level game goes on with its
// recorded run; every so many steps a fresh copy is taken (outside the
// timing), so that the measured steps stay in the middle of the level.
void Step(benchmark::State& state, const bench::LevelId& level)
{
    constexpr std::size_t Span = 200;
    const std::unique_ptr<bench::MidLevel> mid = bench::PlayToMidLevel(level);
    replay::ReplayServices services;
    replay::PrepareReplayProfile(services, level.world, level.level);
    std::unique_ptr<Game> game;
    std::size_t played = Span;
    for (auto _ : state) {
        if (played == Span) {
            state.PauseTiming();
            game.reset();
            services.Assume(mid->services.Held());
            game = std::make_unique<Game>(*mid->game, services);
            played = 0;
            state.ResumeTiming();
        }
        services.Hold(mid->KeysAfter(played));
        benchmark::DoNotOptimize(game->Update());
        ++played;
    }
    std::size_t awake = 0;
    for (const Enemy& enemy : game->GetWorld().enemies)
        awake += enemy.counter > Enemy::AsleepCounter;
    state.counters["enemies"] = static_cast<double>(awake);
}

// A new game of a level, as the level selection makes it: the level file
// opened, deciphered, parsed and checked against its checksum, the world
// built, the level checked and the first checkpoint snapshot taken.
void Load(benchmark::State& state, const bench::LevelId& level)
{
    replay::ReplayServices services;
    replay::PrepareReplayProfile(services, level.world, level.level);
    for (auto _ : state) {
        Game game(false, services);
        benchmark::DoNotOptimize(game.GetWorld().tilemap.Columns());
    }
}

// The checkpoint snapshot of the level with the most tiles, taken in the
// middle of the level.
void CheckpointCopy(benchmark::State& state, const bench::LevelId& level)
{
    const std::unique_ptr<bench::MidLevel> mid = bench::PlayToMidLevel(level);
    const World& live = mid->game->GetWorld();
    for (auto _ : state) {
        World copy(live);
        benchmark::DoNotOptimize(copy.enemies.size());
    }
}

struct Entry {
    std::string archive;
    std::string password;
    std::string path;
    std::int64_t size = 0;
};

// The biggest file of the three resource archives and the level archive.
Entry BiggestEntry()
{
    const std::string& resources = ResourceArchivePassword;
    std::vector<Entry> candidates;
    for (std::uint32_t id = 0; id < MusicCount; ++id)
        candidates.push_back({"Data/Resources1.vrk", resources, MusicFile(id).path});
    candidates.push_back({"Data/Resources2.vrk", resources, FontFile(FontMain).path});
    for (std::uint32_t id = 0; id <= TextureVictory; ++id)
        candidates.push_back({"Data/Resources2.vrk", resources, TextureFile(id).path});
    for (std::uint32_t id = 0; id < SoundCount; ++id)
        candidates.push_back({"Data/Resources3.vrk", resources,
                              (id < PooledSoundCount ? SoundFile(id) : SingleSoundFile(id)).path});
    for (const bench::LevelId& level : bench::PlayingLevels())
        candidates.push_back({"Data/Levels.vrk", LevelArchivePassword, "Lvl/Level " + level.Name() + ".txt"});
    Entry biggest;
    for (Entry& entry : candidates) {
        foxp::Archive archive;
        archive.Open(entry.archive, entry.password);
        entry.size = archive.Get(entry.path).GetSize();
        if (entry.size > biggest.size)
            biggest = entry;
    }
    return biggest;
}

// The whole entry read through the archive stream in the pieces in which
// the music decoder asks for it.
void ArchiveRead(benchmark::State& state, const Entry& entry)
{
    foxp::Archive archive;
    archive.Open(entry.archive, entry.password);
    std::vector<char> buffer(4096);
    for (auto _ : state) {
        TwistedStream stream(archive, entry.path);
        sf::Int64 total = 0;
        for (sf::Int64 got; (got = stream.read(buffer.data(), static_cast<sf::Int64>(buffer.size()))) > 0;)
            total += got;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * entry.size);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<testsupport::TempDataDir> dir = bench::Begin(argc, argv);
    if (!dir)
        return 1;

    for (const bench::LevelId& level : bench::PlayingLevels())
        benchmark::RegisterBenchmark(("step/" + level.Name()).c_str(), Step, level)
            ->Unit(benchmark::kMicrosecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
    for (const bench::LevelId& level : bench::PlayingLevels())
        benchmark::RegisterBenchmark(("load/" + level.Name()).c_str(), Load, level)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();

    bench::LevelId biggest = bench::PlayingLevels().front();
    std::size_t mostTiles = 0;
    for (const bench::LevelId& level : bench::PlayingLevels()) {
        replay::ReplayServices services;
        replay::PrepareReplayProfile(services, level.world, level.level);
        Game game(false, services);
        const Tilemap& map = game.GetWorld().tilemap;
        const std::size_t tiles = std::size_t{map.Columns()} * map.Rows();
        if (tiles > mostTiles) {
            mostTiles = tiles;
            biggest = level;
        }
    }
    benchmark::RegisterBenchmark(("checkpoint_copy/" + biggest.Name()).c_str(), CheckpointCopy, biggest)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();

    const Entry entry = BiggestEntry();
    benchmark::RegisterBenchmark(("archive_read/" + entry.path).c_str(), ArchiveRead, entry)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();

    return bench::RunAll();
}
