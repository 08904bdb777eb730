#pragma once

#include "Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace texgen {

// One texture of the game: its file inside the archive ("Gfx/Player.png"),
// its size and the function that paints it.
struct TextureSpec {
    std::string file;
    unsigned width;
    unsigned height;
    std::function<void(Canvas&)> paint;
};

// Every painter file registers its textures with a static object:
//   static const TextureRegistration reg{"Gfx/Player.png", 144, 256, PaintPlayer};
std::vector<TextureSpec>& Textures();

struct TextureRegistration {
    TextureRegistration(std::string file, unsigned width, unsigned height, std::function<void(Canvas&)> paint)
    {
        Textures().push_back({std::move(file), width, height, std::move(paint)});
    }
};

}  // namespace texgen
