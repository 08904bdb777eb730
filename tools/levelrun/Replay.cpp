#include "levelrun/Replay.h"

#include "app/GameWindow.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace replay {

namespace {

std::string Letters(HeldKeys keys)
{
    std::string text;
    for (std::uint32_t action = 0; action < ActionCount; ++action)
        if (keys & Bit(action)) {
            text += ' ';
            text += KeyLetters[action];
        }
    return text.empty() ? " -" : text;
}

}  // namespace

std::string LetterLegend()
{
    const std::vector<KeyBinding> bindings = GameWindow::DefaultKeyBindings();
    std::string text = "Keys:";
    for (std::size_t action = 0; action < ActionCount; ++action)
        text += std::string(" ") + KeyLetters[action] + " " + bindings[action].name + (action + 1 < ActionCount ? "," : "");
    return text + "; - none.";
}

std::string FormatReplay(const Replay& steps, const std::vector<std::string>& comments)
{
    std::string text;
    for (const std::string& line : comments)
        text += "# " + line + "\n";
    text += "# " + LetterLegend() + "\n";
    for (std::size_t i = 0; i < steps.size();) {
        std::size_t end = i;
        while (end < steps.size() && steps[end] == steps[i])
            ++end;
        text += std::to_string(end - i) + Letters(steps[i]) + "\n";
        i = end;
    }
    return text;
}

Replay ParseReplay(const std::string& text)
{
    Replay steps;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error("Replay line " + std::to_string(number) + ": " + why + ": \"" + line + "\"");
        };
        std::istringstream words(line);
        long count = 0;
        if (!(words >> count) || count < 1)
            fail("no step count");
        HeldKeys keys = 0;
        bool none = false;
        std::string word;
        while (words >> word) {
            const char* letter = word.size() == 1 ? std::strchr(KeyLetters, word[0]) : nullptr;
            if (word == "-")
                none = true;
            else if (letter && *letter)
                keys = static_cast<HeldKeys>(keys | Bit(static_cast<std::uint32_t>(letter - KeyLetters)));
            else
                fail("unknown key");
        }
        if (none == (keys != 0))
            fail("keys or \"-\" expected");
        steps.insert(steps.end(), static_cast<std::size_t>(count), keys);
    }
    return steps;
}

Replay ReadReplayFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("Cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseReplay(text.str());
}

void WriteReplayFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

}  // namespace replay
