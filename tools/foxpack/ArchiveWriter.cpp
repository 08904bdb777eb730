#include "foxpack/ArchiveWriter.h"

#include "foxp/Checksum.h"
#include "foxp/KeyStream.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace foxpack {

namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kEntrySize = 64;
constexpr std::size_t kPathSize = 60;

void PutU32(std::string& out, std::size_t at, std::uint32_t value)
{
    for (int b = 0; b < 4; ++b)
        out[at + static_cast<std::size_t>(b)] = static_cast<char>((value >> (8 * b)) & 0xFFu);
}

bool Begins(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open " + path.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("Cannot read " + path.string());
    return bytes;
}

}  // namespace

ArchiveWriter::ArchiveWriter(std::string password) : password_(std::move(password)) {}

void ArchiveWriter::Add(const std::string& path, std::string bytes)
{
    if (path.empty())
        throw std::invalid_argument("Archive path is empty");
    if (path.find('\0') != std::string::npos) {
        std::string shown;
        for (char c : path)
            shown += c == '\0' ? std::string("\\0") : std::string(1, c);
        throw std::invalid_argument("Archive path \"" + shown + "\" holds a NUL byte");
    }
    if (path.size() >= kPathSize)
        throw std::invalid_argument("Archive path \"" + path + "\" has " +
                                    std::to_string(path.size()) + " bytes; it must be shorter than " +
                                    std::to_string(kPathSize));
    for (const auto& file : files_) {
        if (file.first == path)
            throw std::invalid_argument("Archive path \"" + path + "\" is already in the archive");
        if (Begins(file.first, path))
            throw std::invalid_argument("Archive path \"" + path + "\" begins the path \"" +
                                        file.first + "\" of another file");
        if (Begins(path, file.first))
            throw std::invalid_argument("Archive path \"" + path + "\" begins with the path \"" +
                                        file.first + "\" of another file");
    }
    files_.emplace_back(path, std::move(bytes));
}

void ArchiveWriter::AddFolder(const std::string& folder)
{
    std::error_code ec;
    fs::path root = fs::absolute(fs::path(folder), ec);
    if (ec || !fs::is_directory(root, ec))
        throw std::runtime_error("Folder " + folder + " is not a readable folder");
    if (!root.has_filename())
        root = root.parent_path();  // drop a trailing slash

    std::vector<std::pair<std::string, fs::path>> found;
    try {
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_regular_file())
                found.emplace_back(entry.path().lexically_relative(root).generic_string(),
                                   entry.path());
        }
    } catch (const fs::filesystem_error& e) {
        throw std::runtime_error("Cannot list folder " + folder + ": " + e.what());
    }
    std::sort(found.begin(), found.end());
    for (const auto& file : found)
        Add(file.first, ReadWhole(file.second));
}

std::string ArchiveWriter::Build() const
{
    const std::uint32_t check = foxp::Checksum(password_);
    const std::size_t count = files_.size();
    std::size_t total = kHeaderSize + kEntrySize * count;
    for (const auto& file : files_)
        total += file.second.size();

    std::string out(kHeaderSize + kEntrySize * count, '\0');
    std::memcpy(&out[0], "foxp", 4);
    PutU32(out, 4, 3);
    PutU32(out, 8, check);
    PutU32(out, 12, static_cast<std::uint32_t>(count));
    out.reserve(total);

    std::size_t offset = kHeaderSize + kEntrySize * count;
    for (std::size_t i = 0; i < count; ++i) {
        const auto& file = files_[i];
        if (offset > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw std::length_error("Archive too large: the data of \"" + file.first +
                                    "\" would start beyond 2 GiB");
        const std::size_t at = kHeaderSize + kEntrySize * i;
        std::memcpy(&out[at], file.first.data(), file.first.size());
        PutU32(out, at + kPathSize, static_cast<std::uint32_t>(offset));
        foxp::KeyStream("[index]" + std::to_string(i), check).Apply(&out[at], kEntrySize);
        offset += file.second.size();
    }
    for (const auto& file : files_) {
        const std::size_t at = out.size();
        out += file.second;
        if (!file.second.empty())
            foxp::KeyStream(file.first, check).Apply(&out[at], file.second.size());
    }
    return out;
}

void ArchiveWriter::WriteFile(const std::string& outputPath) const
{
    const std::string bytes = Build();
    const std::string temp = outputPath + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::out | std::ios::binary | std::ios::trunc);
        if (out)
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (out)
            out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw std::runtime_error("Cannot write " + temp);
        }
    }
    std::error_code ec;
    fs::rename(temp, outputPath, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw std::runtime_error("Cannot move " + temp + " to " + outputPath + ": " + ec.message());
    }
}

}  // namespace foxpack
