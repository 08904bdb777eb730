#include "foxp/ArchiveImpl.h"

#include "foxp/Checksum.h"
#include "foxp/KeyStream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

namespace foxp {

namespace {

constexpr std::uint32_t kMagic = 0x70786F66u;  // "foxp"
constexpr std::uint32_t kVersion = 3;
constexpr std::int64_t kHeaderSize = 32;
constexpr std::int64_t kEntrySize = 64;
constexpr std::size_t kPathSize = 60;

std::uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

ArchiveImpl::ArchiveImpl() : position_(-1), length_(0), entryCount_(0), checkValue_(0) {}

ArchiveImpl::~ArchiveImpl() = default;

void ArchiveImpl::Open(const std::string& path, const std::string& password)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stream_.is_open())
        stream_.close();
    stream_.clear();
    position_ = -1;
    length_ = 0;
    entryCount_ = 0;

    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        throw std::runtime_error("Archive " + path + " doesn't exist");
    // Read-only: the archive is never written, and a read-only file must open.
    if (!std::filesystem::is_regular_file(path, ec))
        throw std::runtime_error("Archive " + path + " cannot be opened");
    stream_.open(path, std::ios::in | std::ios::binary);
    if (!stream_.is_open())
        throw std::runtime_error("Archive " + path + " cannot be opened");
    stream_.exceptions(std::ios::failbit | std::ios::badbit);
    password_ = password;
    checkValue_ = Checksum(password);

    try {
        stream_.seekg(0, std::ios::end);
        length_ = static_cast<std::int64_t>(stream_.tellg());
        stream_.seekg(0, std::ios::beg);
        position_ = 0;
    } catch (const std::ios_base::failure&) {
        stream_.close();
        throw std::runtime_error("Archive " + path + " cannot be opened");
    }

    unsigned char header[16];
    if (length_ < static_cast<std::int64_t>(sizeof header))
        throw std::runtime_error("[FOXP] Wrong archive format");
    ReadRaw(0, header, sizeof header);
    if (ReadU32(header) != kMagic)
        throw std::runtime_error("[FOXP] Wrong archive format");
    if (ReadU32(header + 4) != kVersion)
        throw std::runtime_error("[FOXP] Wrong archive version");
    if (ReadU32(header + 8) != checkValue_)
        throw std::runtime_error("[FOXP] Wrong password");
    const std::uint32_t count = ReadU32(header + 12);
    // The whole header and index must lie inside the file before the count
    // is trusted.
    if (kHeaderSize + kEntrySize * static_cast<std::int64_t>(count) > length_)
        throw std::runtime_error("[FOXP] Wrong archive format");
    entryCount_ = count;
}

std::uint32_t ArchiveImpl::ReadAt(std::int64_t offset, void* buffer, std::uint32_t count)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ReadRaw(offset, buffer, count);
    return count;
}

void ArchiveImpl::ReadRaw(std::int64_t offset, void* buffer, std::size_t count)
{
    try {
        if (!stream_.is_open())
            throw std::ios_base::failure("archive is not open");
        if (offset != position_) {
            position_ = -1;
            stream_.seekg(offset, std::ios::beg);
            position_ = offset;
        }
        stream_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
        position_ += static_cast<std::int64_t>(count);
    } catch (const std::ios_base::failure& e) {
        // Forget the failure so that the next read starts afresh with a seek.
        stream_.clear();
        position_ = -1;
        throw std::runtime_error(std::string("Failed to read data: ") + e.what());
    }
}

void ArchiveImpl::ReadBlock(std::uint32_t index, std::string& path, std::int64_t& offset)
{
    unsigned char block[kEntrySize];
    std::memset(block, '#', sizeof block);
    ReadRaw(kHeaderSize + kEntrySize * static_cast<std::int64_t>(index), block, sizeof block);
    KeyStream("[index]" + std::to_string(index), checkValue_).Apply(block, sizeof block);

    // A path that fills all 60 bytes has no terminating NUL.
    const auto* end = std::find(block, block + kPathSize, '\0');
    path.assign(reinterpret_cast<const char*>(block), static_cast<std::size_t>(end - block));
    offset = static_cast<std::int32_t>(ReadU32(block + kPathSize));
}

ArchiveImpl::Matches ArchiveImpl::ReadIndex(const std::string& path)
{
    Matches m;
    std::string entryPath;
    std::int64_t entryOffset = 0;
    for (std::uint32_t i = 0; i < entryCount_; ++i) {
        ReadBlock(i, entryPath, entryOffset);
        // The open match ends where the next entry's data begin.
        if (m.sizes.size() < m.offsets.size())
            m.sizes.push_back(entryOffset - m.offsets.back());
        if (entryPath.compare(0, path.size(), path) == 0) {
            m.paths.push_back(entryPath);
            m.offsets.push_back(entryOffset);
        }
    }
    // The last entry's data run to the end of the archive.
    if (m.sizes.size() < m.offsets.size())
        m.sizes.push_back(length_ - m.offsets.back());
    return m;
}

File ArchiveImpl::Get(const std::string& path)
{
    Matches m;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!stream_.is_open())
            throw std::runtime_error("[FOXP] Archive is not open");
        m = ReadIndex(path);
    }

    // Only a single entry stored under exactly this path is a file: its data
    // are enciphered with its own path, so a mere prefix match would read as
    // noise. Its data must lie between the index and the end of the archive.
    const std::int64_t dataStart = kHeaderSize + kEntrySize * static_cast<std::int64_t>(entryCount_);
    const bool found = m.paths.size() == 1 && m.paths.front() == path &&
                       m.offsets.front() >= dataStart && m.sizes.front() >= 0 &&
                       m.offsets.front() + m.sizes.front() <= length_;
    if (!found)
        return File(Element(this, path, {}, {}, {}), {});

    std::vector<unsigned char> pad;
    if (checkValue_ != 0) {
        pad.assign(static_cast<std::size_t>(m.sizes.front()), 0);
        KeyStream(path, checkValue_).Apply(pad.data(), pad.size());
    }
    return File(Element(this, path, std::move(m.paths), std::move(m.offsets), std::move(m.sizes)),
                std::move(pad));
}

}  // namespace foxp
