#include "RecordedRun.h"

#include "game/objects/Player.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "game/world/TileIds.h"
#include "levelrun/ReplayRun.h"
#include "levelrun/ReplayServices.h"
#include "support/TempDataDir.h"

#include <algorithm>
#include <cmath>
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
            if (id == InactiveCheckpointId || id == ActiveCheckpointId)
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
        Observe(*game, step, static_cast<int>(steps.size()) + 1);
        steps.push_back(step);
        const int n = static_cast<int>(steps.size());
        if (firstPlayStep == 0 && step.phase == PhasePlaying)
            firstPlayStep = n;

        const Tilemap& map = game->GetWorld().tilemap;
        for (std::size_t k = 0; k < checkpoints.size(); ++k) {
            const std::uint32_t id = map.AtOrEmpty(checkpoints[k].first, checkpoints[k].second).id;
            if (id == ActiveCheckpointId && active[k] != ActiveCheckpointId)
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

namespace {

// The gap between two boxes: how far apart they lie along the axis where
// they are farther apart; 0 when they touch or overlap.
float Gap(const sf::FloatRect& a, const sf::FloatRect& b)
{
    const float across = std::max({b.left - (a.left + a.width), a.left - (b.left + b.width), 0.f});
    const float down = std::max({b.top - (a.top + a.height), a.top - (b.top + b.height), 0.f});
    return std::max(across, down);
}

std::int32_t Cell(float pixels) { return static_cast<std::int32_t>(std::floor(pixels / TileSize)); }

}  // namespace

void RecordedRun::Observe(Game& game, RunStep& step, int n)
{
    const Player& player = *game.GetPlayer();
    const World& world = game.GetWorld();
    const Tilemap& map = world.tilemap;
    step.state = player.state;
    step.warpCounter = player.warpCounter;
    for (const Lift& lift : world.lifts)
        if (player.lift == &lift)
            step.liftKind = lift.kind;

    const sf::FloatRect& box = step.player;
    for (std::int32_t c = Cell(box.left - NearReach); c <= Cell(box.left + box.width + NearReach); ++c)
        for (std::int32_t r = Cell(box.top - NearReach); r <= Cell(box.top + box.height + NearReach); ++r) {
            const std::uint32_t id = map.AtOrEmpty(static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(r)).id;
            const float gap = Gap(box, sf::FloatRect(c * TileSize, r * TileSize, TileSize, TileSize));
            if (id == 0 || gap > NearReach)
                continue;
            auto same = std::find_if(step.nearTiles.begin(), step.nearTiles.end(),
                                     [id](const NearTile& near) { return near.id == id; });
            if (same == step.nearTiles.end())
                step.nearTiles.push_back({id, gap});
            else
                same->gap = std::min(same->gap, gap);
        }
    const sf::FloatRect view(step.playView, sf::Vector2f(ViewWidth, ViewHeight));
    for (const Enemy& enemy : world.enemies) {
        const sf::FloatRect enemyBox(enemy.x - enemy.width / 2, enemy.y - enemy.height / 2, enemy.width, enemy.height);
        if (enemy.IsAlive() && view.intersects(enemyBox))
            step.enemies.push_back({enemy.kind, Gap(box, enemyBox)});
    }

    const bool due = step.phase == PhaseLevelEnd || (step.phase == PhasePlaying && n % ViewSpacing == 0);
    if (!due)
        return;
    ViewShot shot;
    shot.step = n;
    shot.column = Cell(view.left);
    shot.row = Cell(view.top);
    shot.columns = Cell(view.left + view.width - 1) - shot.column + 1;
    shot.rows = Cell(view.top + view.height - 1) - shot.row + 1;
    for (std::int32_t r = 0; r < shot.rows; ++r)
        for (std::int32_t c = 0; c < shot.columns; ++c)
            shot.ids.push_back(map.AtOrEmpty(static_cast<std::uint32_t>(shot.column + c),
                                             static_cast<std::uint32_t>(shot.row + r))
                                   .id);
    for (const Lift& lift : world.lifts) {
        const sf::Vector2f at = lift.GetPosition();
        if (view.contains(at))
            shot.lifts.push_back({lift.kind, at - step.playView});
    }
    for (const Enemy& enemy : world.enemies)
        if (enemy.IsAlive() && view.contains(enemy.x, enemy.y))
            shot.enemies.push_back({enemy.kind, sf::Vector2f(enemy.x, enemy.y) - step.playView});
    views.push_back(std::move(shot));
}

}  // namespace levels
