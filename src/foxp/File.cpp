#include "foxp/File.h"

#include "foxp/ArchiveImpl.h"

#include <algorithm>
#include <utility>

namespace foxp {

File::File() : position_(0) {}

File::File(Element element, std::vector<unsigned char> keyPad)
    : Element(std::move(element)), position_(0), keyPad_(std::move(keyPad))
{
}

// The key pad goes first, then the Element base.
File::~File() = default;

std::uint32_t File::Read(void* buffer, std::size_t count)
{
    if (!IsFound() || archive_ == nullptr || count == 0)
        return 0;
    const std::int64_t size = GetSize();
    if (position_ < 0 || position_ >= size)
        return 0;

    // One call reads at most what is left of the file (and what the return
    // type can count).
    const std::uint64_t left = static_cast<std::uint64_t>(size - position_);
    const std::uint64_t wanted = std::min<std::uint64_t>({left, count, 0x7FFFFFFFu});
    const std::uint32_t got =
        archive_->ReadAt(offsets_.front() + position_, buffer, static_cast<std::uint32_t>(wanted));

    if (!keyPad_.empty()) {
        auto* bytes = static_cast<unsigned char*>(buffer);
        const unsigned char* pad = keyPad_.data() + position_;
        for (std::uint32_t i = 0; i < got; ++i)
            bytes[i] ^= pad[i];
    }
    position_ += got;
    return got;
}

}  // namespace foxp
