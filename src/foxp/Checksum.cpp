#include "foxp/Checksum.h"

#include "t4/io/Crc32.h"

namespace foxp {

std::uint32_t Checksum(const std::string& text)
{
    return Crc32::Of(text);
}

}  // namespace foxp
