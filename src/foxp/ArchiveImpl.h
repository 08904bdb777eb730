#pragma once

#include "foxp/File.h"

#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace foxp {

// The open archive behind a foxp::Archive: its read-only file stream, the
// position that stream last reached (so sequential reads need no seek), the
// header's entry count and the password with its check value.
//
// Every access to the stream, by the archive or by any of its files, holds
// the archive's own mutex, so files of one archive may be read from several
// threads (SFML reads music on threads of its own).
class ArchiveImpl {
public:
    ArchiveImpl();
    ~ArchiveImpl();
    ArchiveImpl(const ArchiveImpl&) = delete;
    ArchiveImpl& operator=(const ArchiveImpl&) = delete;

    // Opens the archive file and checks its header. Throws std::runtime_error
    // "Archive <path> doesn't exist", "[FOXP] Wrong archive format",
    // "[FOXP] Wrong archive version" or "[FOXP] Wrong password".
    void Open(const std::string& path, const std::string& password);

    // The file stored under exactly this path; an empty file when no entry,
    // several entries or an entry with impossible bounds match it.
    File Get(const std::string& path);

    // Reads count bytes of the archive at an absolute offset. A stream
    // failure throws std::runtime_error "Failed to read data: ..." and leaves
    // the stream usable for the next read.
    std::uint32_t ReadAt(std::int64_t offset, void* buffer, std::uint32_t count);

    std::uint32_t GetCheckValue() const { return checkValue_; }
    std::uint32_t GetEntryCount() const { return entryCount_; }
    std::int64_t GetLength() const { return length_; }

private:
    struct Matches {
        std::vector<std::string> paths;
        std::vector<std::int64_t> offsets;
        std::vector<std::int64_t> sizes;
    };

    // Deciphers index entry i into its path and data offset.
    void ReadBlock(std::uint32_t index, std::string& path, std::int64_t& offset);
    // Collects every entry whose path equals or begins with the wanted path.
    Matches ReadIndex(const std::string& path);
    // Unlocked stream access; the caller holds the mutex.
    void ReadRaw(std::int64_t offset, void* buffer, std::size_t count);

    std::ifstream stream_;
    std::int64_t position_;  // -1 when unknown
    std::int64_t length_;
    std::uint32_t entryCount_;
    std::string password_;
    std::uint32_t checkValue_;
    std::mutex mutex_;
};

}  // namespace foxp
