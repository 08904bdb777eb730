#include "game/world/TextProperty.h"

#include "t4/io/token_container.h"

#include <algorithm>

void TextProperty::Write(t4::token_container& tokens) const {
    std::string token = text;
    std::replace(token.begin(), token.end(), '\n', '^');
    tokens << token;
}

void TextProperty::Read(t4::token_container& tokens) {
    std::string token;
    tokens >> token;
    std::replace(token.begin(), token.end(), '^', '\n');
    text = std::move(token);
}
