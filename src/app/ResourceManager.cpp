#include "app/ResourceManager.h"

#include <SFML/Graphics/Shader.hpp>

ResourceManager::ResourceManager() = default;

bool ResourceManager::CheckShaders()
{
    return sf::Shader::isAvailable();
}
