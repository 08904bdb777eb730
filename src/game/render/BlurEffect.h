#pragma once

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/Graphics/View.hpp>

#include <array>

class ResourceManager;
namespace sf {
class Shader;
}

// The halo of glowing things. The glow drawings of a frame go into a render
// texture at a quarter of the window's resolution (target 0); at the end of
// the frame two shader passes blur it, horizontally into target 1 and
// vertically back into target 0, and the result is stretched over the view
// and added onto the window.
class BlurEffect {
public:
    // With the window's size in pixels.
    BlurEffect(ResourceManager& resources, unsigned width, unsigned height);
    ~BlurEffect();
    BlurEffect(const BlurEffect&) = delete;
    BlurEffect& operator=(const BlurEffect&) = delete;

    // The start of a frame: clears target 0 when the last frame drew into
    // it, and marks it for new drawing.
    void BeginFrame();
    // Sets the view for drawing into target 0: the given view with its
    // centre moved onto 4-pixel boundaries of the map.
    void SetView(sf::View view);
    // Draws a glowing thing, seen through the view, into target 0 and marks
    // it for the blur.
    void AddGlow(const sf::Drawable& drawing, const sf::View& view,
                 const sf::RenderStates& states = sf::RenderStates::Default);
    // The blurred picture over the view (blurring first when target 0 was
    // drawn into since the last blur); an empty sprite when nothing glowed.
    sf::Sprite Draw(const sf::View& view);

    // Both blur passes; the result ends in target 0.
    void Apply();
    // Draws the source's texture through the shader (a plain copy without
    // one) over the whole destination.
    void Pass(sf::RenderTexture& source, sf::RenderTexture& destination, const sf::Shader* shader);
    // The rectangle over a texture of that size, cut down to a multiple of 4.
    void BuildQuad(unsigned width, unsigned height);

    // 0 receives the glow drawings and holds the result; 1 is the
    // intermediate of the two passes.
    std::array<sf::RenderTexture, 2> targets;
    std::array<sf::Vertex, 4> quad;
    ResourceManager* resources;
    // Fetched on the first blur; null before, and without shader support.
    sf::Shader* horizontalShader;
    sf::Shader* verticalShader;
    // Target 0 has been drawn into since the last blur.
    bool needsBlur;
    // Target 0 holds something this frame.
    bool hasContent;
    // Both render textures exist. Without them (the driver refused them)
    // nothing is drawn into them and nothing glows.
    bool ready = true;

private:
    bool shadersFetched_ = false;
};
