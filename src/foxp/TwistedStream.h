#pragma once

#include "foxp/File.h"

#include <SFML/System/InputStream.hpp>

#include <string>

namespace foxp {
class Archive;
}

// The sf::InputStream over one file of an archive: the road by which
// textures, fonts, shaders, sounds and music reach SFML's loaders.
// It never lets an exception into SFML: a failed read is reported on
// sf::err() and reads nothing.
class TwistedStream : public sf::InputStream {
public:
    // Takes over a file from foxp::Archive::Get. Throws std::runtime_error
    // "File <path> not found" for a file that was not found.
    TwistedStream(foxp::File file, const std::string& path);
    // Looks the path up in the archive and takes over its file.
    TwistedStream(foxp::Archive& archive, const std::string& path);
    ~TwistedStream() override;

    TwistedStream(const TwistedStream&) = delete;
    TwistedStream& operator=(const TwistedStream&) = delete;

    sf::Int64 read(void* data, sf::Int64 size) override;
    // A negative position is refused with -1; any other position is taken
    // as it is (reads past the end return 0).
    sf::Int64 seek(sf::Int64 position) override;
    sf::Int64 tell() override;
    sf::Int64 getSize() override;

    const std::string& GetPath() const { return path_; }

private:
    foxp::File file_;
    std::string path_;
};
