#include "game/world/FrameProperty.h"

void FrameProperty::Write(t4::token_container&) const {}

void FrameProperty::Read(t4::token_container&) {}
