#include "game/Object.h"

Object::~Object() = default;
