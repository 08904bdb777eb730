#include "sfxt/GuiTexture.h"

#include <stdexcept>

namespace sfxt {

namespace {

GuiTextureSource guiTextureSource = nullptr;

}  // namespace

void SetGuiTextureSource(GuiTextureSource source)
{
    guiTextureSource = source;
}

const sf::Texture& GetGuiTexture()
{
    if (!guiTextureSource)
        throw std::logic_error("sfxt::GetGuiTexture: no GUI texture source set");
    return guiTextureSource();
}

}  // namespace sfxt
