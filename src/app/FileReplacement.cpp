#include "app/FileReplacement.h"

#include <boost/filesystem.hpp>

#include <stdexcept>

namespace fs = boost::filesystem;

namespace {

// A save is written here first and then renamed over the file.
const std::string TemporarySuffix = ".tmp";

void RemoveQuietly(const std::string& fileName)
{
    boost::system::error_code ignored;
    fs::remove(fileName, ignored);
}

}  // namespace

bool ReplaceFileWhole(const std::string& fileName, const std::function<void(const std::string& temporary)>& write,
                      std::string& error)
{
    const std::string temporary = fileName + TemporarySuffix;
    try {
        write(temporary);
    } catch (const std::runtime_error& e) {
        error = e.what();
        RemoveQuietly(temporary);
        return false;
    }
    boost::system::error_code ec;
    fs::rename(temporary, fileName, ec);
    if (ec) {
        error = "(Output) Can't replace file \"" + fileName + "\" (" + ec.message() + ")";
        RemoveQuietly(temporary);
        return false;
    }
    return true;
}
