// The rooms of src/game and what each may include of the others, as
// src/game/CMakeLists.txt lays them out: the objects at the bottom, the
// world over them, the effects beside the world, the simulation and the
// renderer side by side over both, and the join to the application
// (src/game itself) on top. The include lines of every file must keep to
// that order, so that a change cannot quietly let the simulation draw or
// the objects know the tiles. Below the game lie the application's services
// in src/app: of its files only the Application, which makes the screens and
// the game, and main may include them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The join, the files of src/game itself.
const std::string Join = "";

// Each room and the rooms below it that it may include.
const std::map<std::string, std::set<std::string>> RoomUses = {
    {"objects", {}},
    {"world", {"objects"}},
    {"effects", {"objects"}},
    {"sim", {"world", "objects"}},
    {"render", {"effects", "world", "objects"}},
    {Join, {"sim", "render", "effects", "world", "objects"}},
};

// The files of src/app above the game and the screens.
const std::set<std::string> Shell = {"Application.h", "Application.cpp", "main/main.cpp"};

// The rooms that know nothing of drawing: of SFML's graphics module they
// may use the plain rectangle and colour only.
const std::set<std::string> NonDrawing = {"objects", "world", "sim"};

std::string RoomName(const std::string& room)
{
    return room == Join ? "src/game" : room;
}

std::string List(const std::set<std::string>& rooms)
{
    std::string text;
    for (const std::string& room : rooms)
        text += (text.empty() ? "" : ", ") + RoomName(room);
    return text.empty() ? "no other room" : text;
}

// An include line of a header of the project's own.
const std::regex Quoted(R"(^\s*#\s*include\s*"([^"]+)\")");

// What one include line does wrong in a file of the room; empty when it
// keeps to the order.
std::string CheckInclude(const std::string& room, const std::string& line)
{
    static const std::regex Angled(R"(^\s*#\s*include\s*<([^>]+)>)");
    const auto uses = RoomUses.find(room);
    if (uses == RoomUses.end())
        return "src/game/" + room + " is no room of the game's layers";
    std::smatch match;
    if (std::regex_search(line, match, Angled)) {
        const std::string header = match[1];
        const bool drawing = header == "SFML/OpenGL.hpp" || header == "SFML/Graphics.hpp" ||
                             (header.rfind("SFML/Graphics/", 0) == 0 && header != "SFML/Graphics/Rect.hpp" &&
                              header != "SFML/Graphics/Color.hpp");
        if (drawing && NonDrawing.count(room))
            return RoomName(room) + " draws nothing but includes <" + header + ">";
        return "";
    }
    if (!std::regex_search(line, match, Quoted))
        return "";
    const std::string header = match[1];
    if (header.rfind("screens/", 0) == 0)
        return "the game includes no screen, but " + RoomName(room) + " includes " + header;
    if (header.rfind("game/", 0) != 0)
        return "";
    const std::string rest = header.substr(5);
    const std::size_t slash = rest.find('/');
    const std::string target = slash == std::string::npos ? Join : rest.substr(0, slash);
    if (target == room)
        return "";
    if (!RoomUses.count(target))
        return header + " lies in no room of the game's layers";
    if (!uses->second.count(target))
        return RoomName(room) + " may not include " + header + " (it uses " + List(uses->second) + ")";
    return "";
}

// What one include line does wrong in the file of src/app at `file` (relative
// to src/app); empty when it keeps the services below the game and the
// screens.
std::string CheckServicesInclude(const std::string& file, const std::string& line)
{
    std::smatch match;
    if (Shell.count(file) || !std::regex_search(line, match, Quoted))
        return "";
    const std::string header = match[1];
    if (header.rfind("game/", 0) == 0 || header.rfind("screens/", 0) == 0)
        return "the services lie below the game and the screens, but src/app/" + file + " includes " + header;
    return "";
}

TEST(Layers, IncludeRuleFollowsTheOrder)
{
    struct Case {
        const char* room;
        const char* line;
        bool allowed;
    };
    const Case cases[] = {
        {"objects", "#include \"game/objects/Object.h\"", true},
        {"world", "#include \"game/objects/Enemy.h\"", true},
        {"render", "#include \"game/world/World.h\"", true},
        {"render", "#include \"game/effects/ParticleSystem.h\"", true},
        {"", "#include \"game/sim/Game.h\"", true},
        {"sim", "#include \"app/Title.h\"", true},
        {"world", "#include <SFML/Graphics/Rect.hpp>", true},
        {"render", "#include <SFML/Graphics/Sprite.hpp>", true},
        {"objects", "#include \"game/world/Tile.h\"", false},
        {"sim", "#include \"game/render/GraphicsContext.h\"", false},
        {"sim", "  #  include \"game/effects/EffectPresets.h\"  // spaced", false},
        {"sim", "#include \"game/GameAppServices.h\"", false},
        {"render", "#include \"game/sim/Game.h\"", false},
        {"effects", "#include \"game/world/Tilemap.h\"", false},
        {"render", "#include \"screens/MenuCommon.h\"", false},
        {"world", "#include \"game/Tile.h\"", false},
        {"world", "#include \"game/tiles/Tile.h\"", false},
        {"sim", "#include <SFML/Graphics/RenderWindow.hpp>", false},
        {"objects", "#include <SFML/OpenGL.hpp>", false},
        {"audio", "#include \"game/objects/Object.h\"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckInclude(c.room, c.line).empty(), c.allowed) << "room \"" << c.room << "\": " << c.line;
}

TEST(Layers, ServicesIncludeNothingOfTheGameOrTheScreens)
{
    struct Case {
        const char* file;
        const char* line;
        bool allowed;
    };
    const Case cases[] = {
        {"Title.cpp", "#include \"app/ResourceManager.h\"", true},
        {"Title.h", "#include \"sfxt/TextBox.h\"", true},
        {"Application.cpp", "#include \"screens/MainMenu.h\"", true},
        {"Application.cpp", "#include \"game/render/GraphicsContext.h\"", true},
        {"main/main.cpp", "#include \"game/sim/Game.h\"", true},
        {"Profile.h", "#include \"game/objects/PlayerStats.h\"", false},
        {"AppServices.h", "#include \"game/render/GraphicsContext.h\"", false},
        {"ProfileStore.cpp", "  #  include \"screens/MenuCommon.h\"  // spaced", false},
        {"main/Other.cpp", "#include \"game/sim/Game.h\"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckServicesInclude(c.file, c.line).empty(), c.allowed) << c.file << ": " << c.line;
}

TEST(Layers, EveryIncludeOfTheServicesKeepsBelowTheGame)
{
    const fs::path root = fs::path(VRENK_SOURCE_DIR) / "src" / "app";
    std::set<std::string> filesSeen;
    std::string failures;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp"))
            continue;
        const std::string file = path.lexically_relative(root).generic_string();
        filesSeen.insert(file);
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const std::string problem = CheckServicesInclude(file, line);
            if (!problem.empty())
                failures += "src/app/" + file + ":" + std::to_string(number) + ": " + problem + "\n";
        }
    }
    EXPECT_EQ(failures, "");
    // The walk found the sources, and the files above the services are there.
    for (const std::string& file : Shell)
        EXPECT_TRUE(filesSeen.count(file)) << "no src/app/" << file;
}

TEST(Layers, EveryIncludeOfTheGameKeepsToTheOrder)
{
    const fs::path root = fs::path(VRENK_SOURCE_DIR) / "src" / "game";
    std::set<std::string> roomsSeen;
    std::string failures;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp"))
            continue;
        const fs::path relative = path.lexically_relative(root);
        const std::string room = std::distance(relative.begin(), relative.end()) > 1 ? relative.begin()->string() : Join;
        roomsSeen.insert(room);
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const std::string problem = CheckInclude(room, line);
            if (!problem.empty())
                failures += "src/game/" + relative.generic_string() + ":" + std::to_string(number) + ": " +
                            problem + "\n";
        }
    }
    EXPECT_EQ(failures, "");
    // The walk found the sources: every room has files.
    for (const auto& room : RoomUses)
        EXPECT_TRUE(roomsSeen.count(room.first)) << "no file in " << RoomName(room.first);
}

}  // namespace
