#include "game/world/TargetProperty.h"

#include "t4/io/token_container.h"

#include <utility>

void TargetProperty::Write(t4::token_container& tokens) const {
    for (const TilePos& target : targets)
        tokens << static_cast<int>(target.x) << static_cast<int>(target.y);
}

void TargetProperty::Read(t4::token_container& tokens) {
    std::set<TilePos> read;
    while (!tokens.empty()) {
        int x = 0;
        int y = 0;
        tokens >> x >> y;
        read.insert(TilePos(x, y));
    }
    targets = std::move(read);
}
