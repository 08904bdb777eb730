// texgen <out-folder>: paints every texture of the game and writes it to
// <out-folder>/<file> (files are named "Gfx/....png").
#include "TextureRegistry.h"

#include <SFML/System/Err.hpp>

#include <algorithm>
#include <iostream>
#include <sys/stat.h>

namespace texgen {

std::vector<TextureSpec>& Textures()
{
    static std::vector<TextureSpec> textures;
    return textures;
}

}  // namespace texgen

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: texgen <out-folder>\n";
        return 2;
    }
    std::string out = argv[1];
    mkdir(out.c_str(), 0755);
    mkdir((out + "/Gfx").c_str(), 0755);

    auto textures = texgen::Textures();
    std::sort(textures.begin(), textures.end(), [](const auto& a, const auto& b) { return a.file < b.file; });
    int failures = 0;
    for (const auto& spec : textures) {
        texgen::Canvas canvas(spec.width, spec.height);
        spec.paint(canvas);
        if (!canvas.Save(out + "/" + spec.file)) {
            std::cerr << "texgen: cannot write " << out << "/" << spec.file << "\n";
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
