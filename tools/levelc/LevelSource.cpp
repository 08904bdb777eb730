#include "levelc/LevelSource.h"

#include "levelc/LevelSourceError.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

namespace levelc {

namespace {

std::string ReadFile(const std::string& path, const SourcePlace& from)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw LevelSourceError(from.file.empty() ? path : from.file, from.line, "cannot read \"" + path + "\"");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

bool IsComment(const std::string& trimmed)
{
    return trimmed.empty() || trimmed.compare(0, 2, "//") == 0;
}

// The words of a line; a word in double quotes may hold spaces.
std::vector<std::string> SplitWords(const std::string& text, const SourcePlace& place)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string::npos)
                throw LevelSourceError(place.file, place.line, "a quoted text is not closed");
            words.push_back(text.substr(i, close - i + 1));
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
            ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool ParseInt(const std::string& word, long long low, long long high, long long& value)
{
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

// Reads the words of one legend line, clause by clause.
class ClauseReader {
public:
    ClauseReader(std::vector<std::string> words, SourcePlace place)
        : words_(std::move(words)), place_(std::move(place))
    {
    }

    bool AtEnd() const { return next_ >= words_.size(); }
    const std::string& Peek() const { return words_[next_]; }
    std::string Take()
    {
        if (AtEnd())
            Fail("more words expected at the end of the line");
        return words_[next_++];
    }
    bool TakeIf(const std::string& word)
    {
        if (!AtEnd() && words_[next_] == word) {
            ++next_;
            return true;
        }
        return false;
    }
    std::int32_t TakeInt(const std::string& what, long long low, long long high)
    {
        const std::string word = Take();
        long long value = 0;
        if (!ParseInt(word, low, high, value))
            Fail(what + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                 ", not \"" + word + "\"");
        return static_cast<std::int32_t>(value);
    }
    float TakeFloat(const std::string& what)
    {
        const std::string word = Take();
        std::istringstream in(word);
        in.imbue(std::locale::classic());
        float value = 0;
        in >> value;
        if (!in || in.peek() != std::char_traits<char>::eof())
            Fail(what + " must be a number, not \"" + word + "\"");
        return value;
    }
    std::string TakeName(const std::string& what)
    {
        const std::string word = Take();
        for (char c : word)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
                Fail(what + " must be made of letters, digits, '_' and '-', not \"" + word + "\"");
        return word;
    }
    // A path step: whole tiles, or pixels with the suffix "px".
    bool TakePathValue(std::int32_t& pixels)
    {
        if (AtEnd())
            return false;
        std::string word = Peek();
        long long scale = 36;
        if (word.size() > 2 && word.compare(word.size() - 2, 2, "px") == 0) {
            word.erase(word.size() - 2);
            scale = 1;
        }
        long long value = 0;
        if (!ParseInt(word, -100000, 100000, value))
            return false;
        ++next_;
        pixels = static_cast<std::int32_t>(value * scale);
        return true;
    }
    [[noreturn]] void Fail(const std::string& message) const
    {
        throw LevelSourceError(place_.file, place_.line, message);
    }

private:
    std::vector<std::string> words_;
    SourcePlace place_;
    std::size_t next_ = 0;
};

LegendEntry ParseLegendLine(const std::string& raw, const SourcePlace& place)
{
    // "<symbol> = clauses"; the symbol is the first character of the line.
    std::string line = raw;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    const std::string rest = start < line.size() ? Trim(line.substr(start + 1)) : std::string();
    if (start >= line.size() || rest.empty() || rest.front() != '=')
        throw LevelSourceError(place.file, place.line, "a legend line reads \"<character> = <what it stands for>\"");
    LegendEntry entry;
    entry.symbol = line[start];
    entry.place = place;
    if (!std::isprint(static_cast<unsigned char>(entry.symbol)) || entry.symbol == ' ')
        throw LevelSourceError(place.file, place.line, "a map character must be printable and not a space");

    ClauseReader clauses(SplitWords(rest.substr(1), place), place);
    if (clauses.AtEnd())
        clauses.Fail("the legend line for '" + std::string(1, entry.symbol) + "' says nothing");
    while (!clauses.AtEnd()) {
        const std::string word = clauses.Take();
        if (word == "empty") {
            entry.tileId = 0;
        } else if (word == "tile") {
            entry.tileId = static_cast<std::uint32_t>(clauses.TakeInt("a tile id", 0, 100000));
        } else if (word == "floor") {
            entry.floorId = clauses.TakeInt("a floor id", 0, 1000);
        } else if (word == "noblend") {
            entry.blend = false;
        } else if (word == "item") {
            entry.hasItem = true;
            entry.item = clauses.TakeInt("an item kind", -1000, 1000);
        } else if (word == "text") {
            const std::string quoted = clauses.Take();
            if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
                clauses.Fail("a sign text is written in double quotes");
            entry.hasText = true;
            entry.text = quoted.substr(1, quoted.size() - 2);
        } else if (word == "name") {
            entry.name = clauses.TakeName("a cell name");
        } else if (word == "target") {
            entry.target = clauses.TakeName("a warp target");
        } else if (word == "targets") {
            entry.targets = clauses.TakeName("a switch's targets");
        } else if (word == "wake") {
            entry.wakes.push_back(clauses.TakeName("an enemy group"));
        } else if (word == "enemy") {
            EnemySpec enemy;
            enemy.kind = clauses.TakeInt("an enemy kind", -1000, 1000);
            for (;;) {
                if (clauses.TakeIf("left"))
                    enemy.facingRight = false;
                else if (clauses.TakeIf("right"))
                    enemy.facingRight = true;
                else if (clauses.TakeIf("hang"))
                    enemy.hanging = true;
                else if (clauses.TakeIf("group"))
                    enemy.group = clauses.TakeName("an enemy group");
                else
                    break;
            }
            entry.enemies.push_back(enemy);
        } else if (word == "fg" || word == "bg") {
            ScenerySpec piece;
            piece.foreground = word == "fg";
            piece.kind = clauses.TakeInt("a scenery kind", -1000, 1000);
            for (;;) {
                if (clauses.TakeIf("mirror")) {
                    piece.facingRight = false;
                } else if (clauses.TakeIf("offset")) {
                    piece.offsetX = clauses.TakeFloat("a scenery offset");
                    piece.offsetY = clauses.TakeFloat("a scenery offset");
                } else if (clauses.TakeIf("behind")) {
                    if (piece.foreground)
                        clauses.Fail("only background scenery (bg) stands \"behind\"");
                    piece.behind = true;
                } else {
                    break;
                }
            }
            entry.scenery.push_back(piece);
        } else if (word == "lift") {
            LiftSpec lift;
            lift.kind = clauses.TakeInt("a lift kind", -1000, 1000);
            if (clauses.TakeIf("path")) {
                for (;;) {
                    std::int32_t dx = 0;
                    std::int32_t dy = 0;
                    if (!clauses.TakePathValue(dx))
                        break;
                    if (!clauses.TakePathValue(dy))
                        clauses.Fail("a lift's path is made of pairs: dx dy (tiles, or pixels as 12px)");
                    lift.waypoints.emplace_back(dx, dy);
                }
                if (lift.waypoints.empty())
                    clauses.Fail("\"path\" needs at least one step dx dy");
            }
            entry.lifts.push_back(lift);
        } else {
            clauses.Fail("unknown word \"" + word + "\" in the legend");
        }
    }
    return entry;
}

class SourceParser {
public:
    explicit SourceParser(LevelSource& level) : level_(level) {}

    void ParseText(const std::string& text, const std::string& fileName, const std::string& includeDir,
                   bool legendOnly, int depth)
    {
        if (depth > 8)
            throw LevelSourceError(fileName, 0, "includes nest too deeply");
        std::istringstream lines(text);
        std::string raw;
        int number = 0;
        enum class Block { None, Legend, Map } block = legendOnly ? Block::Legend : Block::None;
        while (std::getline(lines, raw)) {
            ++number;
            if (!raw.empty() && raw.back() == '\r')
                raw.pop_back();
            const SourcePlace place{fileName, number};
            const std::string trimmed = Trim(raw);
            if (block == Block::Map) {
                if (trimmed == "end") {
                    block = Block::None;
                    continue;
                }
                if (raw.find('\t') != std::string::npos)
                    throw LevelSourceError(fileName, number, "tabs are not allowed in the map");
                level_.rows.push_back(raw);
                level_.rowLines.push_back(number);
                continue;
            }
            if (IsComment(trimmed))
                continue;
            if (block == Block::Legend) {
                if (trimmed == "end" && !legendOnly) {
                    block = Block::None;
                    continue;
                }
                LegendEntry entry = ParseLegendLine(raw, place);
                auto found = level_.legend.find(entry.symbol);
                if (found != level_.legend.end() && found->second.place.file == fileName)
                    throw LevelSourceError(fileName, number,
                                           "'" + std::string(1, entry.symbol) + "' is already defined at line " +
                                               std::to_string(found->second.place.line));
                // A level's own line replaces one from an included legend.
                level_.legend[entry.symbol] = entry;
                continue;
            }
            const std::vector<std::string> words = SplitWords(trimmed, place);
            const std::string& keyword = words.front();
            if (keyword == "level") {
                if (words.size() != 2)
                    throw LevelSourceError(fileName, number, "\"level\" takes the world and level: level 1-2");
                const std::size_t dash = words[1].find('-');
                long long world = 0;
                long long levelNumber = 0;
                if (dash == std::string::npos || !ParseInt(words[1].substr(0, dash), 0, 65535, world) ||
                    !ParseInt(words[1].substr(dash + 1), 0, 65535, levelNumber))
                    throw LevelSourceError(fileName, number, "\"level\" takes the world and level: level 1-2");
                level_.world = static_cast<std::uint16_t>(world);
                level_.level = static_cast<std::uint16_t>(levelNumber);
                level_.levelPlace = place;
                seenLevel_ = true;
            } else if (keyword == "title") {
                level_.title = Trim(trimmed.substr(5));
            } else if (keyword == "background") {
                long long value = 0;
                if (words.size() != 2 || !ParseInt(words[1], -100000, 100000, value))
                    throw LevelSourceError(fileName, number, "\"background\" takes one number");
                level_.background = static_cast<std::int32_t>(value);
                level_.backgroundPlace = place;
            } else if (keyword == "include") {
                if (words.size() != 2)
                    throw LevelSourceError(fileName, number, "\"include\" takes one legend file");
                const std::string path = includeDir + "/" + words[1];
                ParseText(ReadFile(path, place), path, DirectoryOf(path), true, depth + 1);
            } else if (keyword == "legend") {
                block = Block::Legend;
            } else if (keyword == "map") {
                if (!level_.rows.empty())
                    throw LevelSourceError(fileName, number, "a level has one map");
                level_.mapPlace = place;
                block = Block::Map;
            } else {
                throw LevelSourceError(fileName, number, "unknown line \"" + trimmed + "\"");
            }
        }
        if (block == Block::Map)
            throw LevelSourceError(fileName, number, "the map is not closed with \"end\"");
        if (block == Block::Legend && !legendOnly)
            throw LevelSourceError(fileName, number, "the legend is not closed with \"end\"");
    }

    void Finish(const std::string& fileName)
    {
        if (!seenLevel_)
            throw LevelSourceError(fileName, 1, "the source does not say which level it is (level W-L)");
        if (level_.rows.empty())
            throw LevelSourceError(fileName, level_.mapPlace.line ? level_.mapPlace.line : 1, "the level has no map");
        const std::size_t width = level_.rows.front().size();
        for (std::size_t i = 0; i < level_.rows.size(); ++i)
            if (level_.rows[i].size() != width)
                throw LevelSourceError(fileName, level_.rowLines[i],
                                       "map row of " + std::to_string(level_.rows[i].size()) +
                                           " characters, the first row has " + std::to_string(width));
        if (width == 0)
            throw LevelSourceError(fileName, level_.rowLines.front(), "the map has no columns");
        if (level_.title.empty())
            level_.title = "Level " + std::to_string(level_.world) + "-" + std::to_string(level_.level);
    }

private:
    LevelSource& level_;
    bool seenLevel_ = false;
};

}  // namespace

LevelSource ParseLevelSource(const std::string& text, const std::string& fileName, const std::string& includeDir)
{
    LevelSource level;
    level.file = fileName;
    SourceParser parser(level);
    parser.ParseText(text, fileName, includeDir, false, 0);
    parser.Finish(fileName);
    return level;
}

LevelSource ReadLevelSource(const std::string& path)
{
    return ParseLevelSource(ReadFile(path, SourcePlace{}), path, DirectoryOf(path));
}

}  // namespace levelc
