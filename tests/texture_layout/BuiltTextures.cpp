#include "BuiltTextures.h"

#include "app/ArchivePasswords.h"
#include "app/ResourceFile.h"
#include "foxp/Archive.h"

#include <exception>
#include <sstream>

namespace layouttest {

namespace {

std::string ArchivePath()
{
    return std::string(VRENK_BUILT_DATA_DIR) + "/Resources2.vrk";
}

BuiltTexture Load(TextureId id)
{
    BuiltTexture texture;
    texture.file = TextureFile(id).path;
    try {
        foxp::Archive archive;
        archive.Open(ArchivePath(), ResourceArchivePassword);
        foxp::File file = archive.Get(texture.file);
        if (!file.IsFound()) {
            texture.error = texture.file + " is not in " + ArchivePath();
            return texture;
        }
        std::string bytes(static_cast<std::size_t>(file.GetSize()), '\0');
        bytes.resize(file.Read(&bytes[0], bytes.size()));
        if (bytes.size() != static_cast<std::size_t>(file.GetSize()) ||
            !texture.image.loadFromMemory(bytes.data(), bytes.size())) {
            texture.error = texture.file + " does not decode as an image";
            return texture;
        }
    } catch (const std::exception& e) {
        texture.error = ArchivePath() + ": " + e.what();
        return texture;
    }
    texture.loaded = true;
    return texture;
}

}  // namespace

const BuiltTexture& GetBuiltTexture(TextureId id)
{
    static std::map<TextureId, BuiltTexture> cache;
    auto found = cache.find(id);
    if (found == cache.end())
        found = cache.emplace(id, Load(id)).first;
    return found->second;
}

std::string Describe(const sf::IntRect& rect)
{
    std::ostringstream text;
    text << "(" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height << ")";
    return text.str();
}

::testing::AssertionResult IsInsideAndPainted(const BuiltTexture& texture, const sf::IntRect& rect,
                                              const std::string& source)
{
    if (!texture.loaded)
        return ::testing::AssertionFailure() << texture.error;
    const sf::Vector2u size = texture.image.getSize();
    const auto width = static_cast<long long>(size.x);
    const auto height = static_cast<long long>(size.y);
    const std::string where = texture.file + ": " + source + ": rect " + Describe(rect);
    if (rect.width <= 0 || rect.height <= 0 || rect.left < 0 || rect.top < 0 ||
        static_cast<long long>(rect.left) + rect.width > width ||
        static_cast<long long>(rect.top) + rect.height > height)
        return ::testing::AssertionFailure() << where << " reaches outside the " << width << " x " << height
                                             << " image";

    long long painted = 0;
    for (int y = rect.top; y < rect.top + rect.height; ++y)
        for (int x = rect.left; x < rect.left + rect.width; ++x)
            if (texture.image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a > 0)
                ++painted;
    const long long pixels = static_cast<long long>(rect.width) * rect.height;
    if (painted * 100 < pixels * MinPaintedPercent)
        return ::testing::AssertionFailure() << where << " is nearly empty: " << painted << " of " << pixels
                                             << " pixels painted, at least " << MinPaintedPercent
                                             << "% expected";
    return ::testing::AssertionSuccess();
}

void RectWalk::Add(const sf::IntRect& rect, const std::string& source)
{
    rects_.emplace(std::array<int, 4>{rect.left, rect.top, rect.width, rect.height}, source);
}

void RectWalk::ExpectAllInsideAndPainted() const
{
    const BuiltTexture& texture = GetBuiltTexture(id_);
    ASSERT_TRUE(texture.loaded) << texture.error;
    EXPECT_FALSE(rects_.empty()) << texture.file << ": the walk found no rectangle to check";
    for (const auto& entry : rects_) {
        const std::array<int, 4>& r = entry.first;
        EXPECT_TRUE(IsInsideAndPainted(texture, sf::IntRect(r[0], r[1], r[2], r[3]), entry.second));
    }
}

}  // namespace layouttest
