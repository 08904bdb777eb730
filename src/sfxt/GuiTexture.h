#pragma once

#include <SFML/Graphics/Texture.hpp>

namespace sfxt {

// Where the buttons made from a style alone find the GUI texture. The widget
// library does not know the game's resource manager: the application sets
// the source, a function that returns the texture (loading it on first use).
using GuiTextureSource = const sf::Texture& (*)();

void SetGuiTextureSource(GuiTextureSource source);

// The texture from the source; std::logic_error when none is set.
const sf::Texture& GetGuiTexture();

}  // namespace sfxt
