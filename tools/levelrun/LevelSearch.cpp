#include "levelrun/LevelSearch.h"

#include "app/KeyBinding.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Player.h"
#include "game/sim/Game.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"
#include "levelrun/ReplayRun.h"
#include "levelrun/ReplayServices.h"
#include "levelrun/WayMap.h"

#include <boost/rational.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <queue>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A best-first search over short macro moves (run, jump, wait, climb, fly,
// fire). Each macro is played on a copy of the game state it starts from,
// with the random engine put back to that state's draw, so every path can
// be written down as plain held keys. Results are told apart by the
// player's place, speed and power-up, by the few tiles that change the way
// on, and by the lifts and live enemies near the player, so that waiting
// for one to come or to pass is a step on. The best is the one with the
// fewest tile moves to the goal (WayMap): the jetpack while the level holds
// one that the path has not picked up yet, then the flag; a switch not yet
// pressed while the goal cannot be reached. A step that brings the goal on
// (the jetpack block hit, a switch pressed) ranks ahead of all that have not
// made it, however far the next goal is.
namespace levelrun {

namespace {

using replay::Bit;
using replay::HeldKeys;

constexpr HeldKeys HoldLeft = Bit(KeyActionLeft);
constexpr HeldKeys HoldRight = Bit(KeyActionRight);
constexpr HeldKeys HoldUp = Bit(KeyActionUp);
constexpr HeldKeys HoldDown = Bit(KeyActionDown);
constexpr HeldKeys HoldJump = Bit(KeyActionJump);
constexpr HeldKeys HoldJetpack = Bit(KeyActionJetpack);

// The search gives up after this many expanded states: a bound that does not
// hang on the machine's speed or load, so that every machine (and every
// build, the sanitizers' too) finds the same run or none.
constexpr long ExpansionLimit = 20000;
constexpr float TileSize = 36;
constexpr float LiftNear = 10 * TileSize;
constexpr float EnemyNear = 6 * TileSize;
// Nodes still on the way to a switch rank behind every node that can reach
// its goal; nodes still short of the jetpack rank behind every node that
// has it, and before its block is hit behind every node with the suit out.
constexpr double SwitchFirst = 2e6;
constexpr double SwitchPressed = 1e5;
constexpr double JetpackStage = 1e7;

enum class Need { Nothing, Ladder, Jetpack, Ammunition0, Ammunition1, Ammunition2 };

struct Macro {
    std::vector<HeldKeys> steps;
    Need need = Need::Nothing;
};

void Add(std::vector<Macro>& macros, Need need, std::initializer_list<std::pair<int, HeldKeys>> runs)
{
    Macro macro;
    macro.need = need;
    for (const auto& run : runs)
        macro.steps.insert(macro.steps.end(), static_cast<std::size_t>(run.first), run.second);
    macros.push_back(macro);
}

std::vector<Macro> BuildMacros()
{
    std::vector<Macro> macros;
    Add(macros, Need::Nothing, {{8, 0}});
    Add(macros, Need::Nothing, {{8, HoldLeft}});
    Add(macros, Need::Nothing, {{8, HoldRight}});
    for (const HeldKeys direction : {HeldKeys{0}, HoldLeft, HoldRight})
        for (const int hold : {3, 7, 12})
            Add(macros, Need::Nothing, {{hold, static_cast<HeldKeys>(HoldJump | direction)}, {12 - hold, direction}});
    Add(macros, Need::Ladder, {{8, HoldUp}});
    Add(macros, Need::Ladder, {{8, HoldDown}});
    Add(macros, Need::Jetpack, {{8, HoldJetpack}});
    Add(macros, Need::Jetpack, {{8, static_cast<HeldKeys>(HoldJetpack | HoldLeft)}});
    Add(macros, Need::Jetpack, {{8, static_cast<HeldKeys>(HoldJetpack | HoldRight)}});
    Add(macros, Need::Ammunition0, {{1, Bit(KeyActionRocket)}, {7, 0}});
    Add(macros, Need::Ammunition1, {{1, Bit(KeyActionRollingBomb)}, {7, 0}});
    Add(macros, Need::Ammunition2, {{1, Bit(KeyActionMine)}, {7, 0}});
    return macros;
}

// A game state reached by the search.
struct Node {
    std::unique_ptr<Game> game;
    // The random engine as this state left it.
    kest::RandomEngine random;
    HeldKeys held = 0;
    bool gotJetpack = false;
    int parent = -1;
    int macro = -1;
    // Candidates still waiting to be played from this node.
    int pending = 0;
    // Steps of play to this node.
    int steps = 0;
};

struct Candidate {
    double score;
    int parent;
    int macro;
    bool operator<(const Candidate& other) const { return score > other.score; }
};

enum class Outcome { Alive, Lost, Finished };

bool FindTile(const Tilemap& map, std::uint32_t id, sf::Vector2f& centre)
{
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r)
            if (map.At(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)).id == id) {
                centre = sf::Vector2f(TileSize * (static_cast<float>(c) + 0.5f), TileSize * (static_cast<float>(r) + 0.5f));
                return true;
            }
    return false;
}

void Mix(std::uint64_t& hash, std::int64_t value)
{
    hash ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
}

int Coarse(float value, float unit) { return static_cast<int>(std::floor(value / unit)); }

// The tiles that change the way: blocks, checkpoints, switches, gates and the like.
std::uint64_t WayTiles(const Tilemap& map)
{
    std::uint64_t hash = 0;
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.At(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)).id;
            if (id >= ItemBlockId && id <= ExplodingBlockId)
                Mix(hash, static_cast<std::int64_t>(id) << 32 | (c << 16 | r));
        }
    return hash;
}

sf::Vector2i CellOf(float x, float y)
{
    return sf::Vector2i(Coarse(x, TileSize), Coarse(y, TileSize));
}

class Search {
public:
    Search(std::uint16_t world, std::uint16_t level) : world_(world), level_(level), macros_(BuildMacros()) {}

    SearchResult Run();

private:
    bool Applies(const Macro& macro, const Node& node) const;
    // Plays the macro on a copy of the node; `finishStep` is the macro step
    // (from 1) at which the level ended.
    Node Play(const Node& from, int macroIndex, Outcome& outcome, int& finishStep);
    // Both take the node's WayTiles.
    std::uint64_t Key(const Node& node, std::uint64_t tiles) const;
    double Score(const Node& node, std::uint64_t tiles);
    // Tile moves from the player to the goal cell on the tiles' state.
    int Moves(const World& world, std::uint64_t tiles, sf::Vector2i goal, bool flying, const Player& player);
    replay::Replay Steps(int last, int macroIndex, int finishStep) const;

    std::uint16_t world_;
    std::uint16_t level_;
    std::vector<Macro> macros_;
    replay::ReplayServices services_;
    std::vector<Node> nodes_;
    int prefixSteps_ = 0;
    std::uint16_t startLives_ = 0;
    sf::Vector2f flag_;
    bool levelHasJetpack_ = false;
    sf::Vector2f jetpackBlock_;
    std::vector<sf::Vector2i> switches_;
    // The box round each lift's path.
    std::vector<sf::FloatRect> liftPaths_;
    std::unordered_map<std::uint64_t, std::unique_ptr<WayMap>> wayMaps_;
};

bool Search::Applies(const Macro& macro, const Node& node) const
{
    const Player& player = *node.game->GetPlayer();
    switch (macro.need) {
    case Need::Nothing:
        return true;
    case Need::Ladder:
        return player.state == StateClimbing || player.state == StateAtLadderAirborne ||
               player.state == StateAtLadderStanding;
    case Need::Jetpack:
        return player.stats.powerUpMode == PlayerStats::Jetpack;
    case Need::Ammunition0:
        return player.stats.ammunition[0] > 0;
    case Need::Ammunition1:
        return player.stats.ammunition[1] > 0;
    case Need::Ammunition2:
        return player.stats.ammunition[2] > 0;
    }
    return false;
}

Node Search::Play(const Node& from, int macroIndex, Outcome& outcome, int& finishStep)
{
    Node node;
    node.game = std::make_unique<Game>(*from.game, services_);
    node.gotJetpack = from.gotJetpack;
    node.parent = -1;
    node.macro = macroIndex;
    node.steps = from.steps;
    kest::RandomEngine& random = kest::RandomEngine::global();
    random = from.random;
    services_.Assume(from.held);
    outcome = Outcome::Alive;
    finishStep = 0;
    const Macro& macro = macros_[static_cast<std::size_t>(macroIndex)];
    Game& game = *node.game;
    for (const HeldKeys keys : macro.steps) {
        services_.Hold(keys);
        game.Update();
        ++node.steps;
        ++finishStep;
        const Player& player = *game.GetPlayer();
        if (game.GetPhase() == PhaseLevelEnd) {
            outcome = Outcome::Finished;
            break;
        }
        if (game.GetPhase() != PhasePlaying || player.hurtTimer > 0 || player.stats.lives < startLives_) {
            outcome = Outcome::Lost;
            break;
        }
        if (player.stats.powerUpMode == PlayerStats::Jetpack)
            node.gotJetpack = true;
    }
    node.held = services_.Held();
    node.random = random;
    return node;
}

std::uint64_t Search::Key(const Node& node, std::uint64_t tiles) const
{
    Game& game = *node.game;
    const Player& player = *game.GetPlayer();
    std::uint64_t hash = 0;
    Mix(hash, Coarse(player.x, TileSize / 2));
    Mix(hash, Coarse(player.y, TileSize / 2));
    Mix(hash, std::lround(player.horizontalSpeed / 2));
    Mix(hash, player.verticalSpeed < -5 ? 0 : player.verticalSpeed < 0 ? 1 : player.verticalSpeed < 5 ? 2 : 3);
    Mix(hash, player.state);
    Mix(hash, player.jumpLatch);
    Mix(hash, player.stats.hearts);
    Mix(hash, player.stats.powerUpMode);
    Mix(hash, node.gotJetpack);
    Mix(hash, player.warpCounter / 10);
    World& world = game.GetWorld();
    Mix(hash, static_cast<std::int64_t>(tiles));
    // The lifts whose paths come near enough to matter, wherever they are on
    // them: waiting for a lift to come back tells states apart.
    for (std::size_t i = 0; i < world.lifts.size() && i < liftPaths_.size(); ++i) {
        const sf::FloatRect& path = liftPaths_[i];
        if (player.x > path.left - LiftNear && player.x < path.left + path.width + LiftNear &&
            player.y > path.top - LiftNear && player.y < path.top + path.height + LiftNear) {
            const sf::Vector2f at = world.lifts[i].GetPosition();
            Mix(hash, Coarse(at.x, TileSize));
            Mix(hash, Coarse(at.y, TileSize));
        }
    }
    // The live enemies close by, wherever they are: waiting for one to pass
    // tells states apart.
    for (const Enemy& enemy : world.enemies)
        if (enemy.IsAlive() && std::abs(enemy.x - player.x) < EnemyNear && std::abs(enemy.y - player.y) < EnemyNear) {
            Mix(hash, Coarse(enemy.x, TileSize));
            Mix(hash, Coarse(enemy.y, TileSize));
        }
    // The jetpack: its block open or shut, the suit where it flies.
    if (levelHasJetpack_) {
        const Tile& block = world.tilemap.At(Coarse(jetpackBlock_.x, TileSize), Coarse(jetpackBlock_.y, TileSize));
        Mix(hash, IsTileSolid(block));
    }
    for (const Item& item : world.items)
        if (item.kind == ItemJetpack) {
            Mix(hash, Coarse(item.x, TileSize));
            Mix(hash, Coarse(item.y, TileSize));
        }
    return hash;
}

double Distance(const sf::Vector2f& a, const sf::Vector2f& b)
{
    return std::hypot(static_cast<double>(a.x - b.x), static_cast<double>(a.y - b.y));
}

int Search::Moves(const World& world, std::uint64_t tiles, sf::Vector2i goal, bool flying, const Player& player)
{
    std::uint64_t key = tiles;
    Mix(key, goal.x);
    Mix(key, goal.y);
    Mix(key, flying);
    std::unique_ptr<WayMap>& map = wayMaps_[key];
    if (!map)
        map = std::make_unique<WayMap>(world, goal.x, goal.y, flying);
    return map->MovesFrom(player.x, player.y);
}

double Search::Score(const Node& node, std::uint64_t tiles)
{
    Game& game = *node.game;
    const Player& player = *game.GetPlayer();
    const World& world = game.GetWorld();
    const bool flying = player.stats.powerUpMode == PlayerStats::Jetpack;
    const sf::Vector2f at(player.x, player.y);
    double score = TileSize * (Player::MaxHearts - player.stats.hearts) + 0.05 * node.steps;
    sf::Vector2f goal = flag_;
    if (levelHasJetpack_ && !node.gotJetpack) {
        // Under the block until it is hit, then the suit that came out of
        // it: a hit block is a step on, though the suit first flies up out
        // of reach.
        const Item* suit = nullptr;
        for (const Item& item : world.items)
            if (item.kind == ItemJetpack)
                suit = &item;
        score += suit ? JetpackStage : 2 * JetpackStage;
        goal = suit ? sf::Vector2f(suit->x, suit->y) : jetpackBlock_ + sf::Vector2f(0, TileSize);
    }
    const int moves = Moves(world, tiles, CellOf(goal.x, goal.y), flying, player);
    if (moves != WayMap::Unreachable)
        return score + TileSize * moves + 0.25 * Distance(at, goal);
    // The nearest switch not pressed yet (a pressed one does nothing until
    // another flips it back); each switch pressed is a step on, though the
    // next one may be farther away than the last.
    int best = WayMap::Unreachable;
    int pressed = 0;
    for (const sf::Vector2i& cell : switches_)
        if (world.tilemap.At(cell.x, cell.y).id == SwitchId)
            best = std::min(best, Moves(world, tiles, cell - sf::Vector2i(0, 1), flying, player));
        else
            ++pressed;
    if (best != WayMap::Unreachable)
        return score + SwitchFirst - SwitchPressed * pressed + TileSize * best;
    return score + 2 * SwitchFirst + Distance(at, goal);
}

replay::Replay Search::Steps(int last, int macroIndex, int finishStep) const
{
    std::vector<int> macros;
    for (int index = last; index >= 0 && nodes_[static_cast<std::size_t>(index)].macro >= 0;
         index = nodes_[static_cast<std::size_t>(index)].parent)
        macros.push_back(nodes_[static_cast<std::size_t>(index)].macro);
    replay::Replay steps(static_cast<std::size_t>(prefixSteps_), 0);
    for (auto it = macros.rbegin(); it != macros.rend(); ++it) {
        const std::vector<HeldKeys>& run = macros_[static_cast<std::size_t>(*it)].steps;
        steps.insert(steps.end(), run.begin(), run.end());
    }
    const std::vector<HeldKeys>& run = macros_[static_cast<std::size_t>(macroIndex)].steps;
    steps.insert(steps.end(), run.begin(), run.begin() + finishStep);
    // One step more, in which the game leaves the level end.
    steps.push_back(0);
    return steps;
}

SearchResult Search::Run()
{
    SearchResult result;
    Node root;
    root.game = replay::StartReplayGame(services_, world_, level_);
    while (root.game->GetPhase() != PhasePlaying && prefixSteps_ < 1000) {
        services_.Hold(0);
        root.game->Update();
        ++prefixSteps_;
    }
    root.random = kest::RandomEngine::global();
    startLives_ = root.game->GetPlayer()->stats.lives;
    const Tilemap& map = root.game->GetWorld().tilemap;
    if (!FindTile(map, LevelEndId, flag_)) {
        std::cerr << "The level has no level-end flag.\n";
        return result;
    }
    levelHasJetpack_ = FindTile(map, JetpackBlockId, jetpackBlock_);
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.At(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)).id;
            if (id == SwitchId || id == PressedSwitchId)
                switches_.emplace_back(static_cast<int>(c), static_cast<int>(r));
        }
    for (const Lift& lift : root.game->GetWorld().lifts) {
        sf::Vector2f at(boost::rational_cast<float>(lift.startX), boost::rational_cast<float>(lift.startY));
        sf::Vector2f low = at;
        sf::Vector2f high = at;
        for (const LiftWaypoint& point : lift.waypoints) {
            at += sf::Vector2f(static_cast<float>(point.dx), static_cast<float>(point.dy));
            low = sf::Vector2f(std::min(low.x, at.x), std::min(low.y, at.y));
            high = sf::Vector2f(std::max(high.x, at.x), std::max(high.y, at.y));
        }
        liftPaths_.emplace_back(low, high - low);
    }
    nodes_.push_back(std::move(root));

    std::priority_queue<Candidate> open;
    std::unordered_set<std::uint64_t> seen;
    seen.insert(Key(nodes_[0], WayTiles(nodes_[0].game->GetWorld().tilemap)));
    int current = 0;
    for (;;) {
        for (int m = 0; m < static_cast<int>(macros_.size()); ++m) {
            if (!Applies(macros_[static_cast<std::size_t>(m)], nodes_[static_cast<std::size_t>(current)]))
                continue;
            Outcome outcome;
            int finishStep;
            const Node child = Play(nodes_[static_cast<std::size_t>(current)], m, outcome, finishStep);
            ++result.moves;
            if (outcome == Outcome::Finished) {
                result.found = true;
                result.steps = Steps(current, m, finishStep);
                return result;
            }
            if (outcome == Outcome::Lost) {
                ++result.deaths;
                continue;
            }
            const std::uint64_t tiles = WayTiles(child.game->GetWorld().tilemap);
            if (!seen.insert(Key(child, tiles)).second)
                continue;
            open.push(Candidate{Score(child, tiles), current, m});
            ++nodes_[static_cast<std::size_t>(current)].pending;
        }
        if (nodes_[static_cast<std::size_t>(current)].pending == 0)
            nodes_[static_cast<std::size_t>(current)].game.reset();
        if (open.empty() || result.expanded >= ExpansionLimit)
            return result;
        const Candidate best = open.top();
        open.pop();
        // Played again rather than kept: only expanded states stay in memory.
        Outcome outcome;
        int finishStep;
        Node& parent = nodes_[static_cast<std::size_t>(best.parent)];
        Node next = Play(parent, best.macro, outcome, finishStep);
        if (--parent.pending == 0)
            parent.game.reset();
        next.parent = best.parent;
        current = static_cast<int>(nodes_.size());
        nodes_.push_back(std::move(next));
        ++result.expanded;
    }
}

}  // namespace

SearchResult SearchLevel(std::uint16_t world, std::uint16_t level)
{
    Search search(world, level);
    return search.Run();
}

}  // namespace levelrun
