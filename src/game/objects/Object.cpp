#include "game/objects/Object.h"

Object::~Object() = default;
