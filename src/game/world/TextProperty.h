#pragma once

#include "game/world/TileProperty.h"

#include <string>
#include <utility>

// The text of a sign: one token, with every line break written as '^'.
class TextProperty final : public TileProperty {
public:
    explicit TextProperty(std::string signText = std::string()) : text(std::move(signText)) {}
    void Write(t4::token_container& tokens) const override;
    void Read(t4::token_container& tokens) override;

    std::string text;
};
