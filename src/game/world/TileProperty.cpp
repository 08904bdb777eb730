#include "game/world/TileProperty.h"

TileProperty::~TileProperty() = default;
