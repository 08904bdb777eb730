#include "game/world/ItemProperty.h"

#include "t4/io/token_container.h"

void ItemProperty::Write(t4::token_container& tokens) const { tokens << static_cast<int>(item); }

void ItemProperty::Read(t4::token_container& tokens) {
    int value = 0;
    tokens >> value;
    item = value;
}
