#include "RecordedRun.h"

#include "game/objects/Player.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "levelrun/ReplayRun.h"
#include "levelrun/ReplayServices.h"
#include "support/TempDataDir.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

namespace levels {

namespace {

// The replay's services with the renderer's camera: each step the game asks
// the camera to follow the player, it moves as the graphics context moves
// it, against the play field's view as the last frame drew it. A new
// window shows the map from its top-left corner.
class FollowingServices : public replay::ReplayServices {
public:
    void UpdateCamera(float x, float y, float mapWidth, float mapHeight) override
    {
        corner_ = GraphicsContext::FollowTarget(corner_, {x, y}, playView_, {ViewWidth, ViewHeight},
                                                {static_cast<unsigned>(ViewWidth), static_cast<unsigned>(ViewHeight)},
                                                {mapWidth, mapHeight});
        const std::array<sf::Vector2f, 4> offsets = GraphicsContext::LayerOffsetsFor(corner_);
        playView_ = GraphicsContext::SnapOffset(offsets[2]);
        sceneryView_ = GraphicsContext::SnapOffset(offsets[1]);
    }

    sf::Vector2f PlayView() const { return playView_; }
    sf::Vector2f SceneryView() const { return sceneryView_; }

private:
    sf::Vector2f corner_;
    sf::Vector2f playView_;
    sf::Vector2f sceneryView_;
};

std::vector<std::pair<std::uint32_t, std::uint32_t>> CheckpointCells(const Tilemap& map)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> cells;
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.AtOrEmpty(c, r).id;
            if (id == 5 || id == 6)
                cells.emplace_back(c, r);
        }
    return cells;
}

}  // namespace

const std::array<Level, 12> PlayingLevels = {{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 1},
                                              {3, 2}, {3, 3}, {3, 4}}};

std::string Name(const Level& level) { return std::to_string(level.world) + "-" + std::to_string(level.level); }

void PrintTo(const Level& level, std::ostream* out) { *out << Name(level); }

const RecordedRun& RecordedRun::Of(const Level& level)
{
    static std::map<std::pair<int, int>, RecordedRun> runs;
    const std::pair<int, int> key(level.world, level.level);
    auto found = runs.find(key);
    if (found == runs.end()) {
        RecordedRun run;
        run.level = level;
        run.Play();
        found = runs.emplace(key, std::move(run)).first;
    }
    return found->second;
}

void RecordedRun::Play()
{
    const std::string base = std::string(VRENK_SOURCE_DIR) + "/content/levels/" + Name(level);
    source = testsupport::ReadWholeFile(base + ".lvl");
    keys = replay::ReadReplayFile(base + ".replay");

    testsupport::TempDataDir dir;
    if (dir.CopyBuiltArchives() < 1)
        throw std::runtime_error("no built archives");
    FollowingServices services;
    std::unique_ptr<Game> game = replay::StartReplayGame(services, level.world, level.level);
    loaded = game->GetWorld();
    foreground = game->GetForegroundScenery();
    background = game->GetBackgroundScenery();

    const auto checkpoints = CheckpointCells(loaded.tilemap);
    std::vector<std::uint32_t> active(checkpoints.size());
    for (std::size_t k = 0; k < checkpoints.size(); ++k)
        active[k] = loaded.tilemap.AtOrEmpty(checkpoints[k].first, checkpoints[k].second).id;

    for (const replay::HeldKeys held : keys) {
        services.Hold(held);
        game->Update();
        const Player& player = *game->GetPlayer();
        RunStep step;
        step.phase = game->GetPhase();
        step.keys = held;
        step.player = sf::FloatRect(player.Left(), player.Top(), player.width, player.height);
        step.stats = player.stats;
        step.playView = services.PlayView();
        step.sceneryView = services.SceneryView();
        steps.push_back(step);
        const int n = static_cast<int>(steps.size());
        if (firstPlayStep == 0 && step.phase == PhasePlaying)
            firstPlayStep = n;

        const Tilemap& map = game->GetWorld().tilemap;
        for (std::size_t k = 0; k < checkpoints.size(); ++k) {
            const std::uint32_t id = map.AtOrEmpty(checkpoints[k].first, checkpoints[k].second).id;
            if (id == 6 && active[k] != 6)
                checkpointSteps.push_back(n);
            active[k] = id;
        }
        if (step.phase == PhaseLevelEnd) {
            levelEndStep = n;
            break;
        }
    }
    left = game->GetWorld();
}

}  // namespace levels
