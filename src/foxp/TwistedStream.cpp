#include "foxp/TwistedStream.h"

#include "foxp/Archive.h"

#include <SFML/System/Err.hpp>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

TwistedStream::TwistedStream(foxp::File file, const std::string& path)
    : file_(std::move(file)), path_(path)
{
    if (!file_.IsFound())
        throw std::runtime_error("File " + path_ + " not found");
}

TwistedStream::TwistedStream(foxp::Archive& archive, const std::string& path)
    : TwistedStream(archive.Get(path), path)
{
}

TwistedStream::~TwistedStream() = default;

sf::Int64 TwistedStream::read(void* data, sf::Int64 size)
{
    const sf::Int64 count = std::min(size, getSize() - tell());
    if (count <= 0)
        return 0;
    try {
        return static_cast<sf::Int64>(file_.Read(data, static_cast<std::size_t>(count)));
    } catch (const std::exception& e) {
        sf::err() << "Reading " << path_ << " failed: " << e.what() << std::endl;
    } catch (...) {
        sf::err() << "Reading " << path_ << " failed." << std::endl;
    }
    return 0;
}

sf::Int64 TwistedStream::seek(sf::Int64 position)
{
    if (position < 0)
        return -1;
    file_.SetPosition(position);
    return tell();
}

sf::Int64 TwistedStream::tell()
{
    return file_.GetPosition();
}

sf::Int64 TwistedStream::getSize()
{
    return file_.GetSize();
}
