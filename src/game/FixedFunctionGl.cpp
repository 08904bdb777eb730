#include "game/FixedFunctionGl.h"

#include <SFML/Window/Context.hpp>

#include <stdexcept>
#include <string>

namespace {

template <typename Function>
void Load(Function& slot, const char* name) {
    const sf::GlFunctionPointer found = sf::Context::getFunction(name);
    if (!found)
        throw std::runtime_error(std::string("OpenGL entry point not available: ") + name);
    slot = reinterpret_cast<Function>(found);
}

FixedFunctionGl LoadTable() {
    FixedFunctionGl gl{};
    Load(gl.GenTextures, "glGenTextures");
    Load(gl.DeleteTextures, "glDeleteTextures");
    Load(gl.BindTexture, "glBindTexture");
    Load(gl.TexImage2D, "glTexImage2D");
    Load(gl.TexParameteri, "glTexParameteri");
    Load(gl.Enable, "glEnable");
    Load(gl.Disable, "glDisable");
    Load(gl.BlendFunc, "glBlendFunc");
    Load(gl.Viewport, "glViewport");
    Load(gl.PushAttrib, "glPushAttrib");
    Load(gl.PopAttrib, "glPopAttrib");
    Load(gl.MatrixMode, "glMatrixMode");
    Load(gl.PushMatrix, "glPushMatrix");
    Load(gl.PopMatrix, "glPopMatrix");
    Load(gl.LoadIdentity, "glLoadIdentity");
    Load(gl.Ortho, "glOrtho");
    Load(gl.Translatef, "glTranslatef");
    Load(gl.Rotatef, "glRotatef");
    Load(gl.Color4ub, "glColor4ub");
    Load(gl.Begin, "glBegin");
    Load(gl.End, "glEnd");
    Load(gl.TexCoord2f, "glTexCoord2f");
    Load(gl.Vertex2f, "glVertex2f");
    return gl;
}

}  // namespace

const FixedFunctionGl& FixedFunctionGl::Get() {
    static const FixedFunctionGl table = LoadTable();
    return table;
}
