#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace foxpack {

// Packs files into an archive that foxp::Archive reads: the header with the
// password's check value, one enciphered 64-byte index entry per file, then
// the files' data, each enciphered with the key stream of its own path, in
// the order they were added and with nothing after the last one.
class ArchiveWriter {
public:
    explicit ArchiveWriter(std::string password);

    // Adds a file. Throws std::invalid_argument for a path that is empty, has
    // 60 bytes or more, holds a NUL byte, or equals, begins or begins with
    // the path of a file already added (the reader could not find either).
    void Add(const std::string& path, std::string bytes);

    // Adds every regular file under a folder, recursively, under its path
    // relative to the folder with forward slashes, in sorted path order.
    // Throws std::runtime_error when the folder or a file cannot be read.
    void AddFolder(const std::string& folder);

    std::size_t GetCount() const { return files_.size(); }

    // The whole archive. Throws std::length_error when a file's data would
    // start beyond what the index can address (2 GiB).
    std::string Build() const;

    // Writes the archive to a temporary file beside the output and renames it
    // into place, so the output is either the old file or the whole new one.
    // Throws std::runtime_error on failure.
    void WriteFile(const std::string& outputPath) const;

private:
    std::string password_;
    std::vector<std::pair<std::string, std::string>> files_;
};

}  // namespace foxpack
