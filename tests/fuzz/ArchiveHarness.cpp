// The archive reader and its stream: the input is an archive file, opened
// with the level password, the resources' password and a password whose
// check value is 0 (an archive stored plain, whose index the harness can
// list itself). Every file found reads the same whole, in pieces and after
// seeks; in a plain archive it holds exactly the bytes its index entry
// points at.
#include "FuzzSupport.h"

#include "app/ArchivePasswords.h"
#include "foxp/Archive.h"
#include "foxp/Checksum.h"
#include "foxp/TwistedStream.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace fuzz;

const char* const ArchivePath = "Data/Fuzz.vrk";
// Its CRC-32 is 0: such an archive is stored without a key stream.
const std::string PlainPassword("\x9d\x0a\xd9\x6d", 4);

std::uint32_t U32(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

struct Entry {
    std::string path;
    std::int64_t offset;
};

// The index of a plain archive as the file holds it.
std::vector<Entry> ListPlainIndex(const std::string& bytes)
{
    std::vector<Entry> entries;
    const std::uint32_t count = U32(bytes, 12);
    for (std::uint32_t i = 0; i < count && 32 + 64 * static_cast<std::size_t>(i) + 64 <= bytes.size(); ++i) {
        const std::size_t at = 32 + 64 * static_cast<std::size_t>(i);
        const std::string field = bytes.substr(at, 60);
        entries.push_back(Entry{field.substr(0, field.find('\0')),
                                static_cast<std::int64_t>(static_cast<std::int32_t>(U32(bytes, at + 60)))});
    }
    return entries;
}

// Reads a found file whole, then through the stream in pieces after seeks,
// and checks that every read agrees. Returns the bytes.
std::string ReadEveryWay(foxp::Archive& archive, const std::string& path)
{
    foxp::File file = archive.Get(path);
    if (!file.IsFound())
        return std::string();
    const std::int64_t size = file.GetSize();
    FUZZ_CHECK(size >= 0, "a found file has a negative size");
    std::string whole(static_cast<std::size_t>(size), '\0');
    const std::uint32_t got = file.Read(whole.data(), whole.size());
    FUZZ_CHECK(got == whole.size(), "a whole read is short");
    char spare = 0;
    FUZZ_CHECK(file.Read(&spare, 1) == 0, "a read past the end found data");

    TwistedStream stream(archive.Get(path), path);
    FUZZ_CHECK(stream.getSize() == size, "the stream's size differs from the file's");
    std::minstd_rand pick(static_cast<std::uint32_t>(size) ^ 0x5eed);
    for (int i = 0; i < 8; ++i) {
        const sf::Int64 at = static_cast<sf::Int64>(pick() % static_cast<std::uint64_t>(size + 3));
        FUZZ_CHECK(stream.seek(at) == at && stream.tell() == at, "a seek does not land");
        std::string piece(1 + pick() % 97, '\0');
        const sf::Int64 read = stream.read(piece.data(), static_cast<sf::Int64>(piece.size()));
        const sf::Int64 expected = std::max<sf::Int64>(0, std::min<sf::Int64>(piece.size(), size - at));
        FUZZ_CHECK(read == expected, "a piece read the wrong count");
        FUZZ_CHECK(piece.compare(0, static_cast<std::size_t>(read), whole, static_cast<std::size_t>(std::min<sf::Int64>(at, size)),
                                 static_cast<std::size_t>(read)) == 0,
                   "a piece differs from the whole");
    }
    FUZZ_CHECK(stream.seek(-1) == -1, "a negative seek was taken");
    FUZZ_CHECK(stream.seek(0) == 0, "a seek to the start does not land");
    std::string again;
    char buffer[13];
    for (sf::Int64 n; (n = stream.read(buffer, sizeof buffer)) > 0;)
        again.append(buffer, static_cast<std::size_t>(n));
    FUZZ_CHECK(again == whole, "reading again from the start differs");
    return whole;
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriteFile(ArchivePath, bytes);

    std::string outcome;
    for (const std::string& password : {LevelArchivePassword, ResourceArchivePassword, PlainPassword}) {
        foxp::Archive archive;
        try {
            archive.Open(ArchivePath, password);
        } catch (const std::runtime_error& e) {
            const std::string message = e.what();
            FUZZ_CHECK(message == "[FOXP] Wrong archive format" || message == "[FOXP] Wrong archive version" ||
                           message == "[FOXP] Wrong password",
                       "unexpected open failure: " + message);
            continue;
        }
        FUZZ_CHECK(U32(bytes, 8) == foxp::Checksum(password), "opened with another password");
        int found = 0;
        // The files the game asks for, a prefix of several, and nothing.
        for (const char* path : {"Lvl/Level 1-1.txt", "Lvl/Level 0-1.txt", "Gfx/Player.png", "Brlnsdb.ttf",
                                 "Shader/BilinearTile.frag", "Sfx/Jump.wav", "Music/Menu.ogg", "Gfx/", ""})
            found += !ReadEveryWay(archive, path).empty() || archive.Get(path).IsFound();
        if (password == PlainPassword) {
            const std::vector<Entry> entries = ListPlainIndex(bytes);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const Entry& entry = entries[i];
                if (!archive.Get(entry.path).IsFound())
                    continue;
                ++found;
                const std::int64_t end = i + 1 < entries.size() ? entries[i + 1].offset
                                                                 : static_cast<std::int64_t>(bytes.size());
                FUZZ_CHECK(entry.offset >= 0 && entry.offset <= end &&
                               end <= static_cast<std::int64_t>(bytes.size()),
                           "a file was found whose data lie outside the archive");
                FUZZ_CHECK(ReadEveryWay(archive, entry.path) ==
                               bytes.substr(static_cast<std::size_t>(entry.offset),
                                            static_cast<std::size_t>(end - entry.offset)),
                           "a plain file does not hold the bytes of its entry");
            }
        }
        outcome = "opened, " + std::to_string(found) + " found";
    }
    return outcome.empty() ? "not opened" : outcome;
}
