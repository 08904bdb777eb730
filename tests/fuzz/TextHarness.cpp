// The sectioned text readers: the memory reader and the file reader walk the
// same bytes alike and their walk ends; every token converts to every type
// or fails leaving the token in place, and what converts writes back to the
// same value; and what was read writes out and reads back unchanged, unless
// it holds a line break, which the writer refuses.
#include "FuzzSupport.h"

#include "t4/io/DataFileFormatter.h"
#include "t4/io/filereader.h"
#include "t4/io/filewriter.h"
#include "t4/io/io_exception.h"
#include "t4/io/memoryreader.h"
#include "t4/io/token_container.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace fuzz;

const char* const PastEnd = "(Input) (Input) Read past end-of-file";

// One step of a reader's walk: a data line, the start of a section, or the
// end of the data.
struct Event {
    enum Kind { Data, Section, End } kind;
    std::vector<std::string> tokens;  // the data line's, or the subtitle
    bool operator==(const Event& other) const { return kind == other.kind && tokens == other.tokens; }
};

struct Walk {
    bool opened = false;
    std::string title;
    std::string firstSubtitle;
    std::vector<Event> events;
    // The error that ended the walk other than at the end of the data.
    std::string error;
};

// Reads data lines until the reader refuses to go on. Each call reads one
// line or reports the end once, so the walk ends within a bound.
void WalkOn(t4::basic_reader& reader, Walk& walk, std::size_t bytes)
{
    const std::size_t bound = bytes + 3;
    std::size_t calls = 0;
    try {
        for (;; ++calls) {
            FUZZ_CHECK(calls <= bound, "the reader's walk does not end");
            t4::token_container line;
            if (reader.read_data(line)) {
                walk.events.push_back(Event{Event::Data, std::vector<std::string>(line.begin(), line.end())});
            } else {
                walk.events.push_back(Event{Event::Section, {reader.get_subtitle()}});
            }
        }
    } catch (const t4::io_exception& e) {
        if (e.what() == std::string(PastEnd)) {
            // The walk's last "no more lines" was the end of the data.
            FUZZ_CHECK(!walk.events.empty() && walk.events.back().kind == Event::Section,
                       "past the end without having reported the end");
            walk.events.back() = Event{Event::End, {}};
        } else {
            walk.error = e.what();
        }
    }
}

// Opens a reader with `open` and walks it: the memory reader and the file
// reader alike.
template <typename Reader, typename Open>
Walk WalkReader(Open open, std::size_t bytes)
{
    Walk walk;
    Reader reader(MakeDataFileFormatter());
    try {
        open(reader);
    } catch (const t4::io_exception& e) {
        walk.error = e.what();
        return walk;
    }
    walk.opened = true;
    walk.title = reader.get_title();
    walk.firstSubtitle = reader.get_subtitle();
    WalkOn(reader, walk, bytes);
    return walk;
}

Walk WalkMemory(const std::string& bytes)
{
    return WalkReader<t4::memoryreader>(
        [&bytes](t4::memoryreader& reader) { reader.open(bytes.data(), bytes.size()); }, bytes.size());
}

Walk WalkFile(const std::string& path, std::size_t bytes)
{
    return WalkReader<t4::filereader>([&path](t4::filereader& reader) { reader.open(path); }, bytes);
}

bool IsConversionError(const std::string& message)
{
    return message == "token_container::operator>> - parse error" ||
           message == "token_container::operator>> - no elements in object";
}

// Takes a T from the front of a copy of the line: a parse error leaves the
// token in place; a value read writes back as a token that reads as the same
// value.
template <typename T>
void CheckConversion(const std::vector<std::string>& tokens)
{
    t4::token_container line;
    for (const std::string& token : tokens)
        line << token;
    const std::size_t before = line.size();
    T value{};
    try {
        line >> value;
    } catch (const t4::io_exception& e) {
        FUZZ_CHECK(IsConversionError(e.what()), std::string("unexpected conversion error: ") + e.what());
        FUZZ_CHECK(line.size() == before && (before == 0 || *line.begin() == tokens.front()),
                   "a failed conversion took the token");
        return;
    }
    FUZZ_CHECK(line.size() + 1 == before, "a conversion did not take exactly one token");
    if constexpr (std::is_same_v<T, float>) {
        (void)value;  // floats are read only
    } else {
        t4::token_container out;
        out << value;
        T back{};
        out >> back;
        FUZZ_CHECK(back == value && out.empty(), "a value does not read back as written");
    }
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// Whether the writer can store what the walk read: no line break anywhere,
// no empty subtitle.
bool Writable(const Walk& walk)
{
    if (walk.title.empty() || HasLineBreak(walk.title))
        return false;
    for (const Event& event : walk.events) {
        if (event.kind == Event::Section && (event.tokens[0].empty() || HasLineBreak(event.tokens[0])))
            return false;
        if (event.kind == Event::Data)
            for (const std::string& token : event.tokens)
                if (HasLineBreak(token))
                    return false;
    }
    // A file with sections needs its first subtitle.
    if (walk.events.empty() && walk.firstSubtitle.empty())
        return true;
    return !walk.firstSubtitle.empty() && !HasLineBreak(walk.firstSubtitle);
}

// Writes what the walk read; returns the writer's refusal, or "".
std::string WriteWalk(const Walk& walk, const std::string& path)
{
    try {
        t4::filewriter writer(MakeDataFileFormatter());
        writer.open(path, walk.title);
        if (!walk.events.empty() || !walk.firstSubtitle.empty())
            writer.write_subtitle(walk.firstSubtitle);
        for (const Event& event : walk.events) {
            if (event.kind == Event::Section) {
                writer.write_subtitle(event.tokens[0]);
            } else if (event.kind == Event::Data) {
                t4::token_container line;
                for (const std::string& token : event.tokens)
                    line << token;
                writer.write_data(line);
                FUZZ_CHECK(line.empty(), "writing a line leaves its tokens behind");
            }
        }
        writer.check_error();
    } catch (const t4::io_exception& e) {
        return e.what();
    }
    return std::string();
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Walk memory = WalkMemory(bytes);
    WriteFile("Data/Text.txt", bytes);
    const Walk file = WalkFile("Data/Text.txt", bytes.size());
    // A file larger than any the game writes is refused unread.
    if (bytes.size() > t4::filereader::size_limit) {
        FUZZ_CHECK(!file.opened && file.error.find(" is larger than ") != std::string::npos,
                   "a file beyond the size limit was read: " + file.error);
        return "too large for a file";
    }

    // Both readers share their rules; only their open failures are worded
    // apart.
    FUZZ_CHECK(memory.opened == file.opened, "one reader opens what the other does not");
    if (!memory.opened)
        return "not opened";
    FUZZ_CHECK(memory.title == file.title && memory.firstSubtitle == file.firstSubtitle,
               "the readers read different heads");
    FUZZ_CHECK(memory.events == file.events, "the readers walk differently");
    FUZZ_CHECK(memory.error == file.error, "the readers stop differently");

    for (const Event& event : memory.events) {
        if (event.kind != Event::Data)
            continue;
        CheckConversion<unsigned int>(event.tokens);
        CheckConversion<int>(event.tokens);
        CheckConversion<bool>(event.tokens);
        CheckConversion<short>(event.tokens);
        CheckConversion<unsigned short>(event.tokens);
        CheckConversion<long>(event.tokens);
        CheckConversion<float>(event.tokens);
    }

    // What was read before any error writes out and reads back the same.
    Walk read = memory;
    if (!read.events.empty() && read.events.back().kind == Event::End)
        read.events.pop_back();
    const std::string refusal = WriteWalk(read, "Data/Copy.txt");
    const bool writable = Writable(read);
    FUZZ_CHECK(refusal.empty() == writable, "the writer refuses what it can store, or stores what it cannot: " +
                                                (refusal.empty() ? std::string("stored") : refusal));
    if (writable) {
        Walk back = WalkFile("Data/Copy.txt", ReadFile("Data/Copy.txt").size());
        FUZZ_CHECK(back.opened && back.error.empty(), "a written file does not read back: " + back.error);
        FUZZ_CHECK(!back.events.empty() && back.events.back().kind == Event::End, "a written file does not end");
        back.events.pop_back();
        FUZZ_CHECK(back.title == read.title && back.firstSubtitle == read.firstSubtitle &&
                       back.events == read.events,
                   "a written file reads back differently");
    }
    return memory.error.empty() ? "read whole" : "stopped: " + OneLine(memory.error);
}
