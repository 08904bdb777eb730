#include "support/FixtureArchives.h"

#include "support/TempDataDir.h"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <boost/filesystem.hpp>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace fs = boost::filesystem;

namespace testsupport {

namespace {

// SFML writes images and sounds to files only: write, read back, remove.
template <typename Write>
std::string ThroughFile(const std::string& extension, Write write)
{
    fs::path path = fs::temp_directory_path() / fs::unique_path("vrenk-fixture-%%%%-%%%%" + extension);
    if (!write(path.string()))
        throw std::runtime_error("cannot make fixture " + path.string());
    std::string bytes = ReadWholeFile(path.string());
    fs::remove(path);
    return bytes;
}

std::string MakeSound(unsigned channels, const std::string& extension)
{
    return ThroughFile(extension, [channels](const std::string& path) {
        sf::OutputSoundFile file;
        if (!file.openFromFile(path, 22050, channels))
            return false;
        std::vector<sf::Int16> samples(22050 / 10 * channels);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<sf::Int16>(8000 * std::sin(static_cast<double>(i / channels) * 0.05));
        file.write(samples.data(), samples.size());
        return true;
    });
}

}  // namespace

std::string MakePng(unsigned width, unsigned height)
{
    return ThroughFile(".png", [=](const std::string& path) {
        sf::Image image;
        image.create(width, height, sf::Color(200, 100, 50));
        return image.saveToFile(path);
    });
}

std::string MakeWav()
{
    return MakeSound(1, ".wav");
}

std::string MakeWavClaiming(std::uint32_t claimedBytes)
{
    std::string bytes = MakeWav();
    const std::size_t chunk = bytes.find("data");
    if (chunk == std::string::npos || chunk + 8 > bytes.size())
        throw std::runtime_error("the fixture WAV has no data chunk");
    // The chunk's size follows its name, little-endian.
    for (std::size_t i = 0; i < 4; ++i)
        bytes[chunk + 4 + i] = static_cast<char>((claimedBytes >> (8 * i)) & 0xFFu);
    return bytes;
}

std::string MakeOgg()
{
    return MakeSound(2, ".ogg");
}

std::string MakeFont()
{
    std::string bytes = ReadWholeFile("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    if (bytes.empty())
        throw std::runtime_error("no DejaVu Sans Bold font");
    return bytes;
}

std::string MakeShader()
{
    return "#version 110\nuniform sampler2D source;\n"
           "void main() { gl_FragColor = texture2D(source, gl_TexCoord[0].xy) * gl_Color; }\n";
}

}  // namespace testsupport
