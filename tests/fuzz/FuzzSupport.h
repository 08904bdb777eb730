#pragma once

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

// Shared by the fuzz harnesses. Each harness defines fuzz::RunOne, which
// feeds one input through the game's own code and checks what came of it.
// The same body runs under libFuzzer (FuzzMain.cpp) and as an ordinary test
// that replays the committed corpus (ReplayMain.cpp).
namespace fuzz {

// A check of a harness that failed: the input shows a fault.
class Failure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

[[noreturn]] void Fail(const std::string& what, const char* file, int line);

#define FUZZ_CHECK(condition, what)                                  \
    do {                                                             \
        if (!(condition))                                            \
            ::fuzz::Fail(std::string(what), __FILE__, __LINE__);     \
    } while (0)

// Runs one input and returns a one-line account of the outcome (what the
// game made of it), which the replay compares for the inputs whose outcome
// is recorded. Throws Failure when a check fails.
std::string RunOne(const std::uint8_t* data, std::size_t size);

// Makes a fresh folder with an empty Data/ the working directory, once per
// process; it is removed at exit. The game opens every file relative to it.
void EnterWorkDir();

// Whole files, relative to the working directory. Reading a missing file
// gives "".
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void RemoveFile(const std::string& path);

// Gathers what is written to std::cerr (the game's log) while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    std::string Text() const { return text_.str(); }
    bool Contains(const std::string& part) const { return Text().find(part) != std::string::npos; }

private:
    std::ostringstream text_;
    std::streambuf* saved_;
};

// The text with its "Checksum" section replaced by one that holds the value
// of the chain from `seed` over the data lines before it (all sections, or
// the first one only), so that the readers behind the checksum are reached.
// A text that the reader cannot walk comes back unchanged.
std::string SealChecksum(const std::string& text, std::uint32_t seed, bool firstSectionOnly);

// Writes "Data/Levels.vrk" holding the text as "Lvl/Level 1-1.txt".
void WriteLevelArchive(const std::string& levelText);

// Line breaks written as \n, so that an outcome fits one line.
std::string OneLine(const std::string& text);

}  // namespace fuzz
