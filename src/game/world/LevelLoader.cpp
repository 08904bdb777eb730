#include "game/world/LevelLoader.h"

#include "game/objects/Enemy.h"
#include "game/objects/EnemyTypeTable.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Lift.h"
#include "game/objects/LiftTypeTable.h"
#include "game/objects/Scenery.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/world/Floor.h"
#include "game/world/ItemProperty.h"
#include "game/world/LevelCheck.h"
#include "game/world/TargetProperty.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "game/world/World.h"

#include "app/ArchivePasswords.h"
#include "app/Log.h"
#include "app/ResourceException.h"
#include "foxp/Archive.h"
#include "t4/io/ChecksumChain.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/LevelFileName.h"
#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

const char* const LevelArchivePath = "Data/Levels.vrk";
const char* const GeneralSection = "General";
const char* const EnemiesSection = "Enemies";
const char* const TilesSection = "Tiles";
const char* const LiftsSection = "Lifts";
const char* const ForegroundSection = "Foreground Scenery";
const char* const BackgroundSection = "Background Scenery";
const char* const ChecksumSection = "Checksum";

constexpr std::int32_t TileSize = 36;
constexpr short BackgroundCount = 3;
constexpr std::uint32_t SurfaceFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope | TileFlag::Fading;
constexpr std::uint32_t BlendFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope;

// A level file that parses but makes no sense: reported like a format error.
[[noreturn]] void InvalidData(const std::string& why)
{
    throw t4::io_exception(t4::make_prefix(t4::direction_input) + why);
}

std::vector<unsigned char> ReadLevelFile(std::uint16_t world, std::uint16_t level)
{
    foxp::Archive archive;
    archive.Open(LevelArchivePath, LevelArchivePassword);
    foxp::File file = archive.Get(LevelFileName(world, level));
    if (!file.IsFound())
        throw std::runtime_error("The level archive holds no " + LevelFileName(world, level));
    std::vector<unsigned char> bytes(static_cast<std::size_t>(file.GetSize()));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::uint32_t read = file.Read(bytes.data() + done, bytes.size() - done);
        if (read == 0)
            throw std::runtime_error("The level file ends early");
        done += read;
    }
    return bytes;
}

}  // namespace

LevelLoader::LevelLoader(World* world, std::vector<Scenery>* foreground, std::vector<Scenery>* background,
                         short* backgroundIndex)
    : sectionNames_{GeneralSection, EnemiesSection, TilesSection, LiftsSection,
                    ForegroundSection, BackgroundSection, ChecksumSection},
      world_(world),
      foreground_(foreground),
      background_(background),
      backgroundIndex_(backgroundIndex),
      checksumSeed_(LevelChecksumSeed),
      checksum_(LevelChecksumSeed),
      matched_(false),
      generalRead_(false),
      ended_(false)
{
}

LevelLoader::~LevelLoader() = default;

void LevelLoader::ClearTargets()
{
    world_->Clear();
    foreground_->clear();
    background_->clear();
    enemyOrder_.clear();
}

void LevelLoader::Close()
{
    reader_.reset();
    ClearTargets();
}

void LevelLoader::Load(std::uint16_t world, std::uint16_t level)
{
    const std::string failure = "Failed to load level " + std::to_string(world) + "-" + std::to_string(level);
    try {
        const std::vector<unsigned char> bytes = ReadLevelFile(world, level);
        reader_.reset(new t4::memoryreader(MakeDataFileFormatter()));
        reader_->open(bytes.data(), bytes.size());
        checksum_ = checksumSeed_;
        matched_ = false;
        generalRead_ = false;
        ended_ = false;
        sectionsRead_.clear();
        ClearTargets();
        LoadSections();
    } catch (const ResourceException& e) {
        Fail(failure, e.GetMessage());
        throw ResourceException(failure + "\n   " + e.GetMessage(), "");
    } catch (const t4::io_exception& e) {
        Fail(failure, e.what());
        throw ResourceException(failure + "\n   Invalid data", "");
    } catch (const std::exception& e) {
        Fail(failure, e.what());
        throw ResourceException(failure, "");
    } catch (...) {
        Fail(failure, "an unknown error");
        throw ResourceException(failure, "");
    }
}

void LevelLoader::Fail(const std::string& failure, const std::string& cause)
{
    Log(failure + ": " + cause);
    Close();
}

void LevelLoader::LoadSections()
{
    for (;;) {
        reader_->check_error();
        const std::string section = reader_->get_subtitle();
        if (ended_ || section.empty()) {
            if (!generalRead_)
                InvalidData("The level has no \"General\" section");
            if (!matched_)
                throw ResourceException("Incorrect checksum.", "");
            reader_.reset();
            return;
        }
        if (!generalRead_ && section != GeneralSection)
            InvalidData("The \"General\" section must come first");
        // A repeated section is refused rather than merged with the first.
        if (!sectionsRead_.insert(section).second)
            InvalidData("A second \"" + section + "\" section");
        if (section == GeneralSection) {
            ReadGeneralSection();
        } else if (section == EnemiesSection) {
            ReadEnemiesSection();
        } else if (section == TilesSection) {
            ReadTilesSection();
        } else if (section == LiftsSection) {
            ReadLiftsSection();
        } else if (section == ForegroundSection) {
            ReadScenerySection(foreground_);
        } else if (section == BackgroundSection) {
            ReadScenerySection(background_);
        } else if (section == ChecksumSection) {
            ReadChecksumSection();
        } else {
            InvalidData("Unknown section \"" + section + "\"");
        }
    }
}

bool LevelLoader::NextLine(t4::token_container& tokens)
{
    if (reader_->read_data(tokens))
        return true;
    // The section is over: either the next one has begun, whose name the
    // reader now holds, or the data has ended.
    if (reader_->at_end())
        ended_ = true;
    return false;
}

bool LevelLoader::ReadLine(t4::token_container& tokens)
{
    if (!NextLine(tokens))
        return false;
    ChecksumChain(checksum_, tokens);
    return true;
}

void LevelLoader::ReadGeneralSection()
{
    t4::token_container tokens;
    if (!ReadLine(tokens))
        InvalidData("The \"General\" section is empty");
    int width = 0;
    int height = 0;
    short background = 0;
    tokens >> width >> height >> background;
    if (width < 1 || height < 1 || static_cast<std::uint32_t>(width) > MaxLevelColumns ||
        static_cast<std::uint32_t>(height) > MaxLevelRows ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > MaxLevelTiles)
        InvalidData("Map size out of range");
    if (background < 0 || background >= BackgroundCount)
        InvalidData("Background index out of range");
    world_->tilemap.Resize(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    *backgroundIndex_ = background;
    generalRead_ = true;
    if (ReadLine(tokens))
        InvalidData("A second \"General\" line");
}

void LevelLoader::ReadEnemiesSection()
{
    const float right = static_cast<float>(world_->tilemap.Columns() * TileSize);
    const float bottom = static_cast<float>(world_->tilemap.Rows() * TileSize);
    t4::token_container tokens;
    while (ReadLine(tokens)) {
        int kind = 0;
        float x = 0;
        float y = 0;
        bool facingRight = false;
        tokens >> kind >> x >> y >> facingRight;
        if (!EnemyTypeTable::Contains(kind))
            InvalidData("Enemy kind out of range");
        // The collision code relies on every object staying inside the grid.
        if (!(x >= 0 && x < right && y >= 0 && y < bottom))
            InvalidData("Enemy outside the map");
        world_->enemies.emplace_back(kind, x, y, facingRight);
        enemyOrder_.push_back(&world_->enemies.back());
    }
}

void LevelLoader::ReadTilesSection()
{
    Tilemap& tilemap = world_->tilemap;
    const std::uint32_t columns = tilemap.Columns();
    const std::uint32_t rows = tilemap.Rows();
    auto inside = [&](const TilePos& pos) {
        return static_cast<std::uint32_t>(pos.x) < columns && static_cast<std::uint32_t>(pos.y) < rows;
    };
    t4::token_container tokens;
    while (ReadLine(tokens)) {
        int x = 0;
        int y = 0;
        int id = 0;
        int floorId = 0;
        bool blend = true;
        unsigned int linkCount = 0;
        tokens >> x >> y >> id >> floorId >> blend >> linkCount;
        Tile& tile = tilemap.At(x, y);
        const std::uint32_t tileId = static_cast<std::uint32_t>(id);
        const std::uint32_t flags = GetTileFlags(tileId);
        if (id < 0 || (tileId != 0 && flags == 0))
            InvalidData("Unknown tile id");
        tile.id = tileId;
        tile.counter = 0;
        // A level starts with its switches, switchable tiles and checkpoint
        // at rest, not in the middle of a change.
        CreateTileProperty(tile, true);

        for (unsigned int i = 0; i < linkCount; ++i) {
            int index = 0;
            tokens >> index;
            if (index < 0 || static_cast<std::size_t>(index) >= enemyOrder_.size())
                InvalidData("Enemy index out of range");
            tilemap.LinkEnemy(x, y, enemyOrder_[static_cast<std::size_t>(index)]);
        }

        if (tile.property) {
            tile.property->Read(tokens);
            if (tileId == ItemBlockId && !IsValidItemKind(tile.GetItemProperty().item))
                InvalidData("Item kind out of range");
            if (flags & TileFlag::HasTargets) {
                const std::set<TilePos>& targets = tile.GetTargetProperty().targets;
                if (tileId == WarpId && targets.empty())
                    InvalidData("A warp without a target");
                for (const TilePos& target : targets) {
                    if (!inside(target))
                        InvalidData("A target outside the map");
                    if ((tileId == SwitchId || tileId == PressedSwitchId) && target == TilePos(x, y))
                        InvalidData("A switch that switches itself");
                }
            }
        }

        if (flags & BlendFlags)
            tilemap.SetBlending(x, y, blend);

        // A floor id names a row of the floor picture; -1 is no floor.
        if (floorId != -1 && (floorId < 0 || floorId >= Floor::IdCount))
            InvalidData("Floor id out of range");
        if (floorId != -1 && (flags & SurfaceFlags)) {
            Floor floor(floorId, x, y);
            if (floor.UpdateShape(tilemap))
                tilemap.SetFloor(floor);
        }
    }
    tilemap.RemoveInvalidFloors();
}

void LevelLoader::ReadLiftsSection()
{
    t4::token_container tokens;
    while (ReadLine(tokens)) {
        int kind = 0;
        int x = 0;
        int y = 0;
        tokens >> kind >> x >> y;
        if (!LiftTypeTable::Contains(kind))
            InvalidData("Lift kind out of range");
        Lift lift(kind, x, y);
        while (!tokens.empty()) {
            int dx = 0;
            int dy = 0;
            tokens >> dx >> dy;
            // A lift moves 2 px a step on a slanted segment and 3 px on a
            // straight one, and ends a segment only when it meets its end
            // exactly.
            const long length = std::max(std::labs(dx), std::labs(dy));
            const long stride = (dx != 0 && dy != 0) ? 2 : 3;
            if (length == 0 || length % stride != 0)
                InvalidData("A lift segment that the lift cannot finish");
            lift.waypoints.push_back(LiftWaypoint{dx, dy});
        }
        // Far off the map a lift's exact positions would overflow.
        if (!lift.FitsMap(std::int64_t{TileSize} * world_->tilemap.Columns(),
                          std::int64_t{TileSize} * world_->tilemap.Rows()))
            InvalidData("A lift outside the map");
        world_->lifts.push_back(lift);
    }
}

void LevelLoader::ReadScenerySection(std::vector<Scenery>* target)
{
    t4::token_container tokens;
    while (ReadLine(tokens)) {
        int kind = 0;
        float x = 0;
        float y = 0;
        bool flag = false;
        tokens >> kind >> x >> y >> flag;
        if (!SceneryTypeTable::Contains(kind))
            InvalidData("Scenery kind out of range");
        target->emplace_back(kind, x, y, flag);
    }
}

void LevelLoader::ReadChecksumSection()
{
    t4::token_container tokens;
    if (NextLine(tokens)) {
        unsigned int stored = 0;
        tokens >> stored;
        matched_ = stored == checksum_;
    }
    // Whatever follows the checksum is ignored.
    ended_ = true;
}
