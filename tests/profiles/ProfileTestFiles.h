#pragma once

#include "app/ProfileStore.h"

#include <boost/crc.hpp>

#include <cstdint>
#include <iostream>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

// Expected file contents, worked out here rather than through the store's
// own helpers: the checksum chain is computed with Boost's CRC-32 directly.
namespace profiletest {

using Lines = std::vector<std::vector<std::string>>;

// Each line: the CRC-32 of the running value's four bytes, least significant
// first, followed by the line's tokens with nothing between them.
inline std::uint32_t Chain(std::uint32_t value, const Lines& lines)
{
    for (const auto& tokens : lines) {
        boost::crc_32_type crc;
        const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                        static_cast<unsigned char>(value >> 16),
                                        static_cast<unsigned char>(value >> 24)};
        crc.process_bytes(bytes, sizeof bytes);
        for (const std::string& token : tokens)
            crc.process_bytes(token.data(), token.size());
        value = crc.checksum();
    }
    return value;
}

inline std::string DataFile(const std::string& title, const std::string& section, const Lines& lines,
                            std::uint32_t checksum)
{
    std::string text = "..:: " + title + " ::..\n\n.: " + section + " :.\n";
    for (const auto& tokens : lines) {
        std::string line;
        for (const std::string& token : tokens)
            line += (line.empty() ? "" : "; ") + token;
        text += "{" + line + "}\n";
    }
    return text + "\n.: Checksum :.\n{" + std::to_string(checksum) + "}\n";
}

// A file as the game writes it: the chain from 562, or 0 for no lines.
inline std::string ProfilesFile(const Lines& lines)
{
    return DataFile("Vrenk Profile File (Version 2.3.3)", "Profiles", lines, lines.empty() ? 0 : Chain(562, lines));
}
inline std::string ProfilesFile(const Lines& lines, std::uint32_t checksum)
{
    return DataFile("Vrenk Profile File (Version 2.3.3)", "Profiles", lines, checksum);
}
inline std::string HighscoresFile(const Lines& lines)
{
    return DataFile("Vrenk Highscore File (Version 2.3.3)", "Highscore", lines,
                    lines.empty() ? 0 : Chain(562, lines));
}
inline std::string HighscoresFile(const Lines& lines, std::uint32_t checksum)
{
    return DataFile("Vrenk Highscore File (Version 2.3.3)", "Highscore", lines, checksum);
}
inline std::string EmptyProfilesFile() { return ProfilesFile({}); }
inline std::string EmptyHighscoresFile() { return HighscoresFile({}); }

inline std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The highscore table as name and score texts, in table order.
inline Lines Entries(const ProfileStore& store)
{
    Lines lines;
    for (const Highscore& entry : store.highscores)
        lines.push_back({entry.name, std::to_string(entry.score)});
    return lines;
}

inline std::size_t LoadedProfileCount()
{
    ProfileStore store;
    store.LoadProfiles();
    return store.profiles.size();
}

// One log entry as LogCapture::Text shows it.
inline std::string Entry(const std::string& message) { return "\n" + message + "\n"; }

// Catches what the store logs (Log writes to std::cerr) for its lifetime.
class LogCapture {
public:
    LogCapture() : saved_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~LogCapture() { std::cerr.rdbuf(saved_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The entries with their time stamps left out: every line of the form
    // dd.mm.yyyy hh:mm:ss is dropped.
    std::string Text() const
    {
        std::istringstream in(text_.str());
        std::string out;
        std::string line;
        bool first = true;
        while (std::getline(in, line)) {
            if (IsStamp(line))
                continue;
            out += (first ? "" : "\n") + line;
            first = false;
        }
        if (!text_.str().empty() && text_.str().back() == '\n')
            out += '\n';
        return out;
    }

private:
    static bool IsStamp(const std::string& line)
    {
        static const std::string shape = "00.00.0000 00:00:00";
        if (line.size() != shape.size())
            return false;
        for (std::size_t i = 0; i < shape.size(); ++i) {
            const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
            if (shape[i] == '0' ? !digit : line[i] != shape[i])
                return false;
        }
        return true;
    }

    std::ostringstream text_;
    std::streambuf* saved_;
};

}  // namespace profiletest
