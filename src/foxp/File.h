#pragma once

#include "foxp/Element.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace foxp {

// One file of an archive, read from its own read position with the key
// stream removed. A file refers to its archive and must not outlive it.
// A file that was not found has size 0 and reads nothing.
class File : public Element {
public:
    // A file that was not found.
    File();
    // The file of a found element; the pad is the file's key stream (as long
    // as the file), or empty for an archive stored plain.
    File(Element element, std::vector<unsigned char> keyPad);
    ~File() override;

    File(const File&) = default;
    File& operator=(const File&) = default;
    File(File&&) = default;
    File& operator=(File&&) = default;

    // Reads up to count bytes from the read position, never past the end of
    // the file, and advances the position by the number read. At or past the
    // end (or before the start) it reads nothing and returns 0. A failure of
    // the archive's stream throws std::runtime_error "Failed to read data: ...".
    std::uint32_t Read(void* buffer, std::size_t count);

    std::int64_t GetPosition() const { return position_; }
    void SetPosition(std::int64_t position) { position_ = position; }

private:
    std::int64_t position_;
    std::vector<unsigned char> keyPad_;
};

}  // namespace foxp
