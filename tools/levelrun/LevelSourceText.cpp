#include "levelrun/LevelSourceText.h"

#include <cstdio>
#include <vector>

namespace replay {

namespace {

const std::string LinePrefix = "// Difficulty (levelrun):";

// The lines of a text, each with its line feed (the last may have none).
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string WithoutEnd(std::string line)
{
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    return line;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

}  // namespace

std::string DifficultyLine(long expanded, long deaths, long moves)
{
    char share[32];
    std::snprintf(share, sizeof share, "%.1f",
                  moves ? 100.0 * static_cast<double>(deaths) / static_cast<double>(moves) : 0.0);
    return LinePrefix + " " + std::to_string(expanded) + " states expanded, " + std::to_string(deaths) + " of " +
           std::to_string(moves) + " moves end in death (" + share + " %).";
}

std::string FindDifficultyLine(const std::string& source)
{
    for (const std::string& line : Lines(source))
        if (StartsWith(line, LinePrefix))
            return WithoutEnd(line);
    return std::string();
}

std::string WithDifficultyLine(const std::string& source, const std::string& line)
{
    std::vector<std::string> lines = Lines(source);
    for (std::string& kept : lines)
        if (StartsWith(kept, LinePrefix)) {
            kept = line + (kept.back() == '\n' ? "\n" : "");
            std::string text;
            for (const std::string& each : lines)
                text += each;
            return text;
        }
    std::size_t header = 0;
    while (header < lines.size() && StartsWith(lines[header], "//"))
        ++header;
    if (header > 0 && lines[header - 1].back() != '\n')
        lines[header - 1] += '\n';
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header), line + "\n");
    std::string text;
    for (const std::string& each : lines)
        text += each;
    return text;
}

TextDifference FirstDifference(const std::string& kept, const std::string& made)
{
    const std::vector<std::string> a = Lines(kept);
    const std::vector<std::string> b = Lines(made);
    TextDifference difference;
    for (std::size_t i = 0; i < a.size() || i < b.size(); ++i) {
        const bool sameLine = i < a.size() && i < b.size() && a[i] == b[i];
        if (sameLine)
            continue;
        difference.line = static_cast<int>(i + 1);
        difference.kept = i < a.size() ? WithoutEnd(a[i]) : "(none)";
        difference.made = i < b.size() ? WithoutEnd(b[i]) : "(none)";
        // Alike but for the line feed of a text's last line.
        if (difference.kept == difference.made)
            (a[i].back() == '\n' ? difference.made : difference.kept) += " (no line feed at the end)";
        return difference;
    }
    return difference;
}

}  // namespace replay
