#pragma once

#include <SFML/OpenGL.hpp>

#include <array>

// The GL state that drawing particles touches, as seen from the active
// context.
struct GlState {
    GLboolean blend, texture2d, depthTest;
    GLint blendSrc, blendDst, boundTexture, matrixMode;
    std::array<GLint, 4> viewport;
    std::array<GLfloat, 16> projection, modelview, texture;

    static GlState Read() {
        GlState s{};
        s.blend = glIsEnabled(GL_BLEND);
        s.texture2d = glIsEnabled(GL_TEXTURE_2D);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
        glGetIntegerv(GL_BLEND_DST, &s.blendDst);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.boundTexture);
        glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
        glGetIntegerv(GL_VIEWPORT, s.viewport.data());
        glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
        glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview.data());
        glGetFloatv(GL_TEXTURE_MATRIX, s.texture.data());
        return s;
    }

    bool operator==(const GlState& o) const {
        return blend == o.blend && texture2d == o.texture2d && depthTest == o.depthTest && blendSrc == o.blendSrc &&
               blendDst == o.blendDst && boundTexture == o.boundTexture && matrixMode == o.matrixMode &&
               viewport == o.viewport && projection == o.projection && modelview == o.modelview &&
               texture == o.texture;
    }
};
