#pragma once

#include "game/world/TileProperty.h"

#include <cstdint>

// The item kind that an item block releases; one integer token.
class ItemProperty final : public TileProperty {
public:
    explicit ItemProperty(std::int32_t itemKind = 0) : item(itemKind) {}
    void Write(t4::token_container& tokens) const override;
    void Read(t4::token_container& tokens) override;

    std::int32_t item;
};
