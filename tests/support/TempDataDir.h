#pragma once

#include <string>

namespace testsupport {

// A fresh directory with an empty Data/ folder that becomes the working
// directory for the lifetime of the object (the game opens every file
// relative to it). The previous working directory is restored and the
// directory removed on destruction.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string DataPath(const std::string& name) const { return path_ + "/Data/" + name; }

    // Copies every archive of the built game folder (Data/*.vrk) into Data/.
    // Returns how many were copied.
    int CopyBuiltArchives() const;

    // Writes or reads a whole file, relative to the directory.
    void WriteFile(const std::string& relative, const std::string& contents) const;
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::string path_;
    std::string previous_;
};

// Reads a whole file; an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace testsupport
