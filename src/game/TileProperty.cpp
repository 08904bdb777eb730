#include "game/TileProperty.h"

TileProperty::~TileProperty() = default;
