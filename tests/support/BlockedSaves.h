#pragma once

#include "support/TempDataDir.h"

#include <boost/filesystem.hpp>

#include <string>

namespace testsupport {

// Stops the saves of a data file while it lives: a folder with something in
// it takes the place of the temporary file that a save writes first (a
// read-only folder would not stop a test run as root).
class BlockedSaves {
public:
    BlockedSaves(const TempDataDir& dir, const std::string& fileName) : folder_(dir.DataPath(fileName + ".tmp"))
    {
        boost::filesystem::create_directories(folder_ + "/keep");
    }
    ~BlockedSaves() { boost::filesystem::remove_all(folder_); }
    BlockedSaves(const BlockedSaves&) = delete;
    BlockedSaves& operator=(const BlockedSaves&) = delete;

private:
    std::string folder_;
};

}  // namespace testsupport
