#include "FoxpFixtures.h"

#include "foxp/Archive.h"
#include "foxp/TwistedStream.h"
#include "foxpack/ArchiveWriter.h"
#include "support/TempDataDir.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Err.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace foxptest;

namespace {

// A 2 x 2 picture, 24 bits per pixel, rows bottom-up and padded to 4 bytes.
std::string TinyBmp()
{
    std::string pixels;
    const char bottom[] = {'\x00', '\x00', '\xFF', '\x00', '\xFF', '\x00', '\0', '\0'};  // red, green
    const char top[] = {'\xFF', '\x00', '\x00', '\xFF', '\xFF', '\xFF', '\0', '\0'};     // blue, white
    pixels.append(bottom, 8);
    pixels.append(top, 8);
    std::string bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    PutU32(bmp, 2, static_cast<std::uint32_t>(54 + pixels.size()));
    PutU32(bmp, 10, 54);
    PutU32(bmp, 14, 40);
    PutU32(bmp, 18, 2);
    PutU32(bmp, 22, 2);
    bmp[26] = 1;   // planes
    bmp[28] = 24;  // bits per pixel
    PutU32(bmp, 34, static_cast<std::uint32_t>(pixels.size()));
    return bmp + pixels;
}

class CaptureSfmlErrors {
public:
    CaptureSfmlErrors() : previous_(sf::err().rdbuf(text_.rdbuf())) {}
    ~CaptureSfmlErrors() { sf::err().rdbuf(previous_); }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

class TwistedStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        foxpack::ArchiveWriter writer("Hollow gate opens 7");
        writer.Add("Gfx/Tiny.bmp", TinyBmp());
        writer.Add("Text/Story.txt", story_);
        writer.Add("Text/Zero.txt", "");
        bytes_ = writer.Build();
        WriteBytes("Data/Resources2.vrk", bytes_);
        archive_.Open("Data/Resources2.vrk", "Hollow gate opens 7");
    }

    testsupport::TempDataDir dir_;
    const std::string story_ = "Once upon a time, a gate opened.";
    std::string bytes_;
    foxp::Archive archive_;
};

}  // namespace

TEST_F(TwistedStreamTest, ReadSeekTellAndSize)
{
    TwistedStream stream(archive_, "Text/Story.txt");
    EXPECT_EQ(stream.GetPath(), "Text/Story.txt");
    EXPECT_EQ(stream.getSize(), static_cast<sf::Int64>(story_.size()));
    EXPECT_EQ(stream.tell(), 0);

    char buffer[64] = {};
    EXPECT_EQ(stream.read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "Once");
    EXPECT_EQ(stream.tell(), 4);
    // More than remains gives exactly the rest, then nothing.
    EXPECT_EQ(stream.read(buffer, sizeof buffer), static_cast<sf::Int64>(story_.size() - 4));
    EXPECT_EQ(std::string(buffer, story_.size() - 4), story_.substr(4));
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 0);
    EXPECT_EQ(stream.read(buffer, 0), 0);
    EXPECT_EQ(stream.read(buffer, -5), 0);

    EXPECT_EQ(stream.seek(0), 0);
    EXPECT_EQ(stream.read(buffer, sizeof buffer), static_cast<sf::Int64>(story_.size()));
    EXPECT_EQ(std::string(buffer, story_.size()), story_);

    EXPECT_EQ(stream.seek(10), 10);
    EXPECT_EQ(stream.read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), story_.substr(10, 4));
    EXPECT_EQ(stream.seek(-1), -1);
    EXPECT_EQ(stream.tell(), 14);
    EXPECT_EQ(stream.seek(1000), 1000);
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 0);

    TwistedStream empty(archive_, "Text/Zero.txt");
    EXPECT_EQ(empty.getSize(), 0);
    EXPECT_EQ(empty.read(buffer, sizeof buffer), 0);
}

TEST_F(TwistedStreamTest, NoStreamOverAMissingFile)
{
    try {
        TwistedStream stream(archive_, "Gfx/Missing.png");
        FAIL() << "a stream was made over a missing file";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "File Gfx/Missing.png not found");
    }
    EXPECT_THROW(TwistedStream(archive_.Get("Text/"), "Text/"), std::runtime_error);
}

TEST_F(TwistedStreamTest, SfmlDecodesAnImageThroughTheStream)
{
    TwistedStream stream(archive_, "Gfx/Tiny.bmp");
    sf::Image image;
    ASSERT_TRUE(image.loadFromStream(stream));
    ASSERT_EQ(image.getSize(), sf::Vector2u(2, 2));
    EXPECT_EQ(image.getPixel(0, 0), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(1, 0), sf::Color::White);
    EXPECT_EQ(image.getPixel(0, 1), sf::Color::Red);
    EXPECT_EQ(image.getPixel(1, 1), sf::Color::Green);

    CaptureSfmlErrors errors;
    TwistedStream text(archive_, "Text/Story.txt");
    EXPECT_FALSE(image.loadFromStream(text));
}

TEST_F(TwistedStreamTest, FailedReadIsLoggedAndReadsNothing)
{
    TwistedStream stream(archive_, "Text/Story.txt");
    std::filesystem::resize_file("Data/Resources2.vrk", 32 + 64 * 3 + 10);

    CaptureSfmlErrors errors;
    char buffer[64];
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 0);
    EXPECT_NE(errors.Text().find("Reading Text/Story.txt failed: Failed to read data: "), std::string::npos)
        << errors.Text();

    WriteBytes("Data/Resources2.vrk", bytes_);
    stream.seek(0);
    ASSERT_EQ(stream.read(buffer, sizeof buffer), static_cast<sf::Int64>(story_.size()));
    EXPECT_EQ(std::string(buffer, story_.size()), story_);
}
