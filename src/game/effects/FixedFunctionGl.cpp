#include "game/effects/FixedFunctionGl.h"

#include "app/ResourceException.h"


#include <string>

namespace {

template <typename Function>
void LoadEntry(Function& slot, const std::function<sf::GlFunctionPointer(const char*)>& lookup, const char* name) {
    const sf::GlFunctionPointer found = lookup(name);
    if (!found)
        throw ResourceException(std::string("OpenGL entry point not available: ") + name, "OpenGL");
    slot = reinterpret_cast<Function>(found);
}

}  // namespace

FixedFunctionGl FixedFunctionGl::Load(const std::function<sf::GlFunctionPointer(const char*)>& lookup) {
    FixedFunctionGl gl{};
    LoadEntry(gl.GenTextures, lookup, "glGenTextures");
    LoadEntry(gl.DeleteTextures, lookup, "glDeleteTextures");
    LoadEntry(gl.BindTexture, lookup, "glBindTexture");
    LoadEntry(gl.TexImage2D, lookup, "glTexImage2D");
    LoadEntry(gl.TexParameteri, lookup, "glTexParameteri");
    LoadEntry(gl.Enable, lookup, "glEnable");
    LoadEntry(gl.Disable, lookup, "glDisable");
    LoadEntry(gl.BlendFunc, lookup, "glBlendFunc");
    LoadEntry(gl.Viewport, lookup, "glViewport");
    LoadEntry(gl.PushAttrib, lookup, "glPushAttrib");
    LoadEntry(gl.PopAttrib, lookup, "glPopAttrib");
    LoadEntry(gl.MatrixMode, lookup, "glMatrixMode");
    LoadEntry(gl.PushMatrix, lookup, "glPushMatrix");
    LoadEntry(gl.PopMatrix, lookup, "glPopMatrix");
    LoadEntry(gl.LoadIdentity, lookup, "glLoadIdentity");
    LoadEntry(gl.Ortho, lookup, "glOrtho");
    LoadEntry(gl.Translatef, lookup, "glTranslatef");
    LoadEntry(gl.Rotatef, lookup, "glRotatef");
    LoadEntry(gl.Color4ub, lookup, "glColor4ub");
    LoadEntry(gl.Begin, lookup, "glBegin");
    LoadEntry(gl.End, lookup, "glEnd");
    LoadEntry(gl.TexCoord2f, lookup, "glTexCoord2f");
    LoadEntry(gl.Vertex2f, lookup, "glVertex2f");
    return gl;
}

const FixedFunctionGl& FixedFunctionGl::Get() {
    static const FixedFunctionGl table = Load(&sf::Context::getFunction);
    return table;
}
