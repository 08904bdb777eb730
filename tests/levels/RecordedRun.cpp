#include "RecordedRun.h"

#include "game/objects/Player.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "game/world/TileIds.h"
#include "levelrun/ReplayRun.h"
#include "levelrun/ReplayServices.h"
#include "support/TempDataDir.h"

#include "game/world/FrameProperty.h"
#include "game/world/TileFlags.h"

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
        backdropView_ = GraphicsContext::SnapOffset(offsets[0]);
    }

    sf::Vector2f PlayView() const { return playView_; }
    sf::Vector2f SceneryView() const { return sceneryView_; }
    sf::Vector2f BackdropView() const { return backdropView_; }

    // The game shows a sign's text, 35 pixels over the sign's centre, while
    // the player reads it.
    void ShowSignText(const std::string&, float x, float y) override
    {
        signsRead_.emplace_back(static_cast<std::int32_t>(x / TileSize),
                                static_cast<std::int32_t>((y + 35) / TileSize));
    }
    // The signs read since the last call.
    std::vector<TilePos> TakeSignsRead() { return std::exchange(signsRead_, {}); }

private:
    sf::Vector2f corner_;
    sf::Vector2f playView_;
    sf::Vector2f sceneryView_;
    sf::Vector2f backdropView_;
    std::vector<TilePos> signsRead_;
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

// What the player stands on and uses, step by step.
class UseWatch {
public:
    explicit UseWatch(const Tilemap& map)
    {
        for (std::uint32_t c = 0; c < map.Columns(); ++c)
            for (std::uint32_t r = 0; r < map.Rows(); ++r)
                if (Watched(map.AtOrEmpty(c, r).id))
                    cells_.push_back({TilePos(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)),
                                      State(map.AtOrEmpty(c, r))});
    }

    // The watched tiles that the step changed, the warp the player entered,
    // and the signs read.
    std::vector<TilePos> Uses(const Tilemap& map, const Player& player, int warpBefore, std::vector<TilePos> signs)
    {
        std::vector<TilePos> uses = std::move(signs);
        for (Watch& watch : cells_) {
            const auto now = State(map.AtOrEmpty(static_cast<std::uint32_t>(watch.cell.x),
                                                 static_cast<std::uint32_t>(watch.cell.y)));
            // (A checkpoint that another one replaces is not used.)
            if (now != watch.state && now.first != InactiveCheckpointId)
                uses.push_back(watch.cell);
            watch.state = now;
        }
        if (warpBefore == 0 && player.warpCounter == 1)
            for (const TilePos& cell : CellsUnder(player.Left(), player.Top(), player.Right(), player.Bottom()))
                if (map.AtOrEmpty(static_cast<std::uint32_t>(cell.x), static_cast<std::uint32_t>(cell.y)).id == WarpId)
                    uses.push_back(cell);
        return uses;
    }

    // The tiles under the player's feet while it stands.
    static std::vector<TilePos> StandsOn(const Tilemap& map, const Player& player)
    {
        std::vector<TilePos> cells;
        if (player.state != StateOnGround && !player.IsOnSlope() && player.state != StateAtLadderStanding)
            return cells;
        const float feet = player.Bottom() + 1;
        for (const TilePos& cell : CellsUnder(player.Left(), feet, player.Right(), feet)) {
            const Tile& tile = map.AtOrEmpty(static_cast<std::uint32_t>(cell.x), static_cast<std::uint32_t>(cell.y));
            const std::uint32_t flags = GetTileFlags(tile.id);
            if (IsTileSolid(tile) || tile.id == OneWayDownId ||
                (flags & (TileFlag::WalkerSolid | TileFlag::RisingSlope | TileFlag::FallingSlope)))
                cells.push_back(cell);
        }
        return cells;
    }

private:
    struct Watch {
        TilePos cell;
        std::pair<std::uint32_t, std::int32_t> state;
    };

    static bool Watched(std::uint32_t id)
    {
        return (id >= ItemBlockId && id <= InactiveCheckpointId) || id == SwitchId || id == PressedSwitchId ||
               id == CoinId;
    }

    // The id, and the frame of a power-up block (which stays, emptied).
    static std::pair<std::uint32_t, std::int32_t> State(const Tile& tile)
    {
        const bool powerUp = tile.id >= InvulnerabilityBlockId && tile.id <= JetpackBlockId;
        return {tile.id, powerUp ? tile.GetFrameProperty().frame : 0};
    }

    std::vector<Watch> cells_;
};

}  // namespace

std::vector<TilePos> CellsUnder(float left, float top, float right, float bottom)
{
    std::vector<TilePos> cells;
    if (right <= 0 || bottom <= 0)
        return cells;
    const auto c0 = static_cast<std::int32_t>(std::max(0.f, left) / TileSize);
    const auto c1 = static_cast<std::int32_t>(std::max(0.f, std::nextafter(right, left)) / TileSize);
    const auto r0 = static_cast<std::int32_t>(std::max(0.f, top) / TileSize);
    const auto r1 = static_cast<std::int32_t>(std::max(0.f, std::nextafter(bottom, top)) / TileSize);
    for (std::int32_t c = c0; c <= c1; ++c)
        for (std::int32_t r = r0; r <= r1; ++r)
            cells.emplace_back(c, r);
    return cells;
}

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
    backgroundIndex = game->GetBackgroundIndex();

    const auto checkpoints = CheckpointCells(loaded.tilemap);
    std::vector<std::uint32_t> active(checkpoints.size());
    for (std::size_t k = 0; k < checkpoints.size(); ++k)
        active[k] = loaded.tilemap.AtOrEmpty(checkpoints[k].first, checkpoints[k].second).id;

    UseWatch watch(loaded.tilemap);
    GamePhase phaseBefore = game->GetPhase();
    for (const replay::HeldKeys held : keys) {
        services.Hold(held);
        const int warpBefore = game->GetPlayer()->warpCounter;
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
        step.backdropView = services.BackdropView();
        if (step.phase == PhasePlaying)
            step.standsOn = UseWatch::StandsOn(game->GetWorld().tilemap, player);
        std::vector<TilePos> uses =
            watch.Uses(game->GetWorld().tilemap, player, warpBefore, services.TakeSignsRead());
        // A respawn puts back the tiles of the checkpoint's time: no use.
        if (phaseBefore == PhasePlaying && step.phase == PhasePlaying)
            step.uses = std::move(uses);
        phaseBefore = step.phase;
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
