#pragma once

// Archives built byte by byte from the layout, with a cipher written here
// from scratch (Boost's CRC and a bare std::mt19937), so that the tests do
// not lean on the code they check.

#include <boost/crc.hpp>

#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace foxptest {

// The check values of the two game passwords, as published for this CRC.
constexpr std::uint32_t kResourceCheck = 0x8728B0A0u;  // "Hollow gate opens 7"
constexpr std::uint32_t kLevelCheck = 0xF7E96B6Bu;     // "Stage 4-7"

inline void HandCipher(const std::string& key, std::uint32_t check, char* data, std::size_t size)
{
    if (check == 0)
        return;
    boost::crc_32_type crc;
    crc.process_bytes(key.data(), key.size());
    for (int b = 0; b < 4; ++b)
        crc.process_byte(static_cast<unsigned char>(check >> (8 * b)));
    std::mt19937 gen(crc.checksum());
    std::uint32_t draw = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (i % 4 == 0)
            draw = static_cast<std::uint32_t>(gen());
        data[i] = static_cast<char>(static_cast<unsigned char>(data[i]) ^ ((draw >> (8 * (i % 4))) & 0xFFu));
    }
}

struct HandEntry {
    std::string path;  // stored as is: may be 60 bytes without NUL
    std::string data;
    std::optional<std::int64_t> offset;  // a lying offset; default: where the data lie
};

inline void PutU32(std::string& out, std::size_t at, std::uint32_t v)
{
    for (int b = 0; b < 4; ++b)
        out[at + static_cast<std::size_t>(b)] = static_cast<char>((v >> (8 * b)) & 0xFFu);
}

// Header, enciphered index, enciphered data in index order.
inline std::string HandArchive(std::uint32_t check, const std::vector<HandEntry>& entries,
                               std::optional<std::uint32_t> countField = std::nullopt)
{
    const std::size_t n = entries.size();
    std::string out(32 + 64 * n, '\0');
    out.replace(0, 4, "foxp");
    PutU32(out, 4, 3);
    PutU32(out, 8, check);
    PutU32(out, 12, countField ? *countField : static_cast<std::uint32_t>(n));
    std::size_t offset = out.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = 32 + 64 * i;
        out.replace(at, entries[i].path.size(), entries[i].path);
        PutU32(out, at + 60, static_cast<std::uint32_t>(entries[i].offset ? *entries[i].offset
                                                                           : static_cast<std::int64_t>(offset)));
        HandCipher("[index]" + std::to_string(i), check, &out[at], 64);
        offset += entries[i].data.size();
    }
    for (const auto& e : entries) {
        std::string data = e.data;
        HandCipher(e.path, check, &data[0], data.size());
        out += data;
    }
    return out;
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Bytes that differ from file to file and from position to position.
inline std::string Pattern(std::size_t size, unsigned seed)
{
    std::minstd_rand gen(seed + 1);
    std::string s(size, '\0');
    for (auto& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

}  // namespace foxptest
