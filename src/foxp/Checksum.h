#pragma once

#include <cstdint>
#include <string>

namespace foxp {

// The CRC-32 of a password: the check value stored in an archive's header
// and mixed into every key stream of that archive.
std::uint32_t Checksum(const std::string& text);

}  // namespace foxp
