#include "game/effects/ParticleSystem.h"

#include "app/GameWindow.h"
#include "game/effects/FixedFunctionGl.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Context.hpp>

#include <algorithm>

ParticleSystem::ParticleSystem(GameWindow& gameWindow, const sf::Image& source, const sf::IntRect& rectangle,
                               bool additiveBlend, float width, float height)
    : window(&gameWindow), halfWidth(width), halfHeight(height), texture(0), additive(additiveBlend) {
    if (rectangle.width == 0 && rectangle.height == 0) {
        image = source;
    } else {
        image.create(static_cast<unsigned>(std::max(rectangle.width, 0)),
                     static_cast<unsigned>(std::max(rectangle.height, 0)), sf::Color(0, 0, 0, 255));
        // Only the part of the rectangle that lies on the source is copied
        // (the rest stays black): the image's own copy would read past the
        // source's pixels.
        const sf::Vector2u size = source.getSize();
        const sf::IntRect inside(0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
        sf::IntRect part;
        if (rectangle.intersects(inside, part) && part.width > 0 && part.height > 0)
            image.copy(source, static_cast<unsigned>(part.left - rectangle.left),
                       static_cast<unsigned>(part.top - rectangle.top), part, false);
    }
    if (halfWidth == 0 && halfHeight == 0) {
        halfWidth = static_cast<float>(image.getSize().x);
        halfHeight = static_cast<float>(image.getSize().y);
    }
    halfWidth /= 2;
    halfHeight /= 2;

    (void)window->window.setActive(true);
    const FixedFunctionGl& gl = FixedFunctionGl::Get();
    GLuint name = 0;
    gl.GenTextures(1, &name);
    texture = name;
    gl.Enable(GL_TEXTURE_2D);
    gl.BindTexture(GL_TEXTURE_2D, name);
    gl.TexImage2D(GL_TEXTURE_2D, 0, 4, static_cast<GLsizei>(image.getSize().x),
                  static_cast<GLsizei>(image.getSize().y), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                  image.getSize().x > 0 && image.getSize().y > 0 ? image.getPixelsPtr() : nullptr);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // SFML's cached state no longer matches the context.
    window->window.resetGLStates();
}

ParticleSystem::~ParticleSystem() {
    const GLuint name = texture;
    if (window->window.setActive(true)) {
        FixedFunctionGl::Get().DeleteTextures(1, &name);
        return;
    }
    // The window is closed already (at exit): the texture lives on in the
    // contexts that SFML shares, so any context can delete it.
    sf::Context context;
    FixedFunctionGl::Get().DeleteTextures(1, &name);
}

void ParticleSystem::Draw() { Draw(window->window); }

void ParticleSystem::Draw(sf::RenderTarget& target) {
    BeginDraw(target);
    for (const Particle& particle : particles)
        particle.Draw(halfWidth, halfHeight);
    EndDraw();
}

void ParticleSystem::BeginDraw(sf::RenderTarget& target) {
    (void)target.setActive(true);
    const FixedFunctionGl& gl = FixedFunctionGl::Get();
    gl.PushAttrib(GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    // The view's viewport, as SFML would set it (GL counts rows from the
    // bottom), also when nothing was drawn in this view yet.
    const sf::IntRect port = target.getViewport(target.getView());
    gl.Viewport(port.left, static_cast<GLint>(target.getSize().y) - (port.top + port.height), port.width,
                port.height);
    gl.Disable(GL_DEPTH_TEST);
    gl.Enable(GL_TEXTURE_2D);
    gl.Enable(GL_BLEND);
    gl.BlendFunc(GL_SRC_ALPHA, additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    gl.BindTexture(GL_TEXTURE_2D, texture);

    gl.MatrixMode(GL_PROJECTION);
    gl.PushMatrix();
    SetParticleProjection(target.getView());

    gl.MatrixMode(GL_TEXTURE);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.MatrixMode(GL_MODELVIEW);
    gl.PushMatrix();
}

void ParticleSystem::EndDraw() {
    const FixedFunctionGl& gl = FixedFunctionGl::Get();
    gl.MatrixMode(GL_MODELVIEW);
    gl.PopMatrix();
    gl.MatrixMode(GL_TEXTURE);
    gl.PopMatrix();
    gl.MatrixMode(GL_PROJECTION);
    gl.PopMatrix();
    gl.PopAttrib();
}

std::unique_ptr<ParticleSystem> CreateParticleSystem(const ParticleSystem& model) {
    return std::make_unique<ParticleSystem>(*model.GetWindow(), model.GetImage(), sf::IntRect(0, 0, 0, 0),
                                            model.IsAdditive(), model.GetHalfWidth() * 2,
                                            model.GetHalfHeight() * 2);
}

void SetParticleProjection(const sf::View& view) {
    const FixedFunctionGl& gl = FixedFunctionGl::Get();
    const sf::Vector2f size = view.getSize();
    const sf::Vector2f centre = view.getCenter();
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Ortho(0, size.x, size.y, 0, -1, 1);
    gl.Translatef(-(centre.x - size.x / 2), -(centre.y - size.y / 2), 0);
    gl.Translatef(centre.x, centre.y, 0);
    gl.Rotatef(view.getRotation(), 0, 0, -1);
    gl.Translatef(-centre.x, -centre.y, 0);
}
