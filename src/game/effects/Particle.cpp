#include "game/effects/Particle.h"

#include "game/effects/FixedFunctionGl.h"

namespace {

sf::Uint8 Blend(sf::Uint8 start, sf::Uint8 end, int u, int v) {
    return static_cast<sf::Uint8>((start * u + end * v) / 255);
}

}  // namespace

void Particle::Update() { UpdateWithOffset(sf::Vector2f(0, 0)); }

void Particle::UpdateWithOffset(sf::Vector2f offset) {
    velocity += acceleration;
    position += velocity;
    rotationSpeed += rotationAcceleration;
    rotation += rotationSpeed;
    position += offset;
    life -= 1;
    // Share of the start colour, 255 at full life and 0 at the end. A record
    // without a lifetime (or one kept past its end) shows its end colour.
    int u = 0;
    if (lifetime > 0 && life > 0)
        u = static_cast<int>((static_cast<std::int64_t>(life) * 255) / lifetime);
    if (u > 255)
        u = 255;
    const int v = 255 - u;
    colour = sf::Color(Blend(startColour.r, endColour.r, u, v), Blend(startColour.g, endColour.g, u, v),
                       Blend(startColour.b, endColour.b, u, v), Blend(startColour.a, endColour.a, u, v));
}

void Particle::Draw(float halfWidth, float halfHeight) const {
    const FixedFunctionGl& gl = FixedFunctionGl::Get();
    gl.Color4ub(colour.r, colour.g, colour.b, colour.a);
    gl.LoadIdentity();
    gl.Translatef(position.x, position.y, 0);
    gl.Rotatef(rotation, 0, 0, 1);
    gl.Begin(FixedFunctionGl::TriangleStrip);
    gl.TexCoord2f(1, 1);
    gl.Vertex2f(halfWidth, halfHeight);
    gl.TexCoord2f(0, 1);
    gl.Vertex2f(-halfWidth, halfHeight);
    gl.TexCoord2f(1, 0);
    gl.Vertex2f(halfWidth, -halfHeight);
    gl.TexCoord2f(0, 0);
    gl.Vertex2f(-halfWidth, -halfHeight);
    gl.End();
}
