#pragma once

#include "foxp/Archive.h"

#include <gtest/gtest.h>

#include <string>

namespace contenttest {

// The built game's resource archives, read with the game's own reader.
inline const char* ResourcePassword()
{
    return "Hollow gate opens 7";
}

inline std::string BuiltArchivePath(int number)
{
    return std::string(VRENK_BUILT_DATA_DIR) + "/Resources" + std::to_string(number) + ".vrk";
}

// The whole contents of one entry; fails the test (and returns "") when the
// entry is missing.
inline std::string ReadEntry(foxp::Archive& archive, const std::string& path)
{
    foxp::File file = archive.Get(path);
    EXPECT_TRUE(file.IsFound()) << path << " is missing";
    if (!file.IsFound())
        return std::string();
    std::string bytes(static_cast<std::size_t>(file.GetSize()), '\0');
    std::uint32_t read = file.Read(&bytes[0], bytes.size());
    EXPECT_EQ(read, bytes.size()) << path;
    bytes.resize(read);
    return bytes;
}

}  // namespace contenttest
