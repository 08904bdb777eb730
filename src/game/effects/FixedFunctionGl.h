#pragma once

#include <SFML/OpenGL.hpp>
#include <SFML/Window/Context.hpp>

#include <functional>

// The fixed-function OpenGL 1.x entry points that the particle systems call,
// looked up once through SFML's context (so the game needs no link-time GL
// dependency beyond SFML's own). Call only with a GL context active.
struct FixedFunctionGl {
    static constexpr GLenum TriangleStrip = GL_TRIANGLE_STRIP;

    // The table, loaded on first use; throws ResourceException naming the
    // first entry point that the driver does not give, so that a start-up
    // without them ends as any other start-up without its resources.
    static const FixedFunctionGl& Get();
    // A table of the entry points that `lookup` finds by name.
    static FixedFunctionGl Load(const std::function<sf::GlFunctionPointer(const char*)>& lookup);

    void (*GenTextures)(GLsizei, GLuint*);
    void (*DeleteTextures)(GLsizei, const GLuint*);
    void (*BindTexture)(GLenum, GLuint);
    void (*TexImage2D)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
    void (*TexParameteri)(GLenum, GLenum, GLint);
    void (*Enable)(GLenum);
    void (*Disable)(GLenum);
    void (*BlendFunc)(GLenum, GLenum);
    void (*Viewport)(GLint, GLint, GLsizei, GLsizei);
    void (*PushAttrib)(GLbitfield);
    void (*PopAttrib)();
    void (*MatrixMode)(GLenum);
    void (*PushMatrix)();
    void (*PopMatrix)();
    void (*LoadIdentity)();
    void (*Ortho)(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble);
    void (*Translatef)(GLfloat, GLfloat, GLfloat);
    void (*Rotatef)(GLfloat, GLfloat, GLfloat, GLfloat);
    void (*Color4ub)(GLubyte, GLubyte, GLubyte, GLubyte);
    void (*Begin)(GLenum);
    void (*End)();
    void (*TexCoord2f)(GLfloat, GLfloat);
    void (*Vertex2f)(GLfloat, GLfloat);
};
