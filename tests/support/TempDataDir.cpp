#include "support/TempDataDir.h"

#include <boost/filesystem.hpp>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = boost::filesystem;

namespace testsupport {

TempDataDir::TempDataDir()
{
    previous_ = fs::current_path().string();
    fs::path dir = fs::temp_directory_path() / fs::unique_path("vrenk-test-%%%%-%%%%-%%%%");
    fs::create_directories(dir / "Data");
    path_ = dir.string();
    fs::current_path(dir);
}

TempDataDir::~TempDataDir()
{
    boost::system::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(path_, ec);
}

int TempDataDir::CopyBuiltArchives() const
{
    int copied = 0;
    boost::system::error_code ec;
    for (fs::directory_iterator it(VRENK_BUILT_DATA_DIR, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".vrk") {
            fs::copy_file(it->path(), fs::path(path_) / "Data" / it->path().filename(),
                          fs::copy_option::overwrite_if_exists);
            ++copied;
        }
    }
    return copied;
}

void TempDataDir::WriteFile(const std::string& relative, const std::string& contents) const
{
    std::ofstream out(path_ + "/" + relative, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + relative);
    out << contents;
}

std::string TempDataDir::ReadFile(const std::string& relative) const
{
    return ReadWholeFile(path_ + "/" + relative);
}

bool TempDataDir::Exists(const std::string& relative) const
{
    return fs::exists(path_ + "/" + relative);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testsupport
