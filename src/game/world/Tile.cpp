#include "game/world/Tile.h"

#include "game/world/FrameProperty.h"
#include "game/world/ItemProperty.h"
#include "game/world/MultiProperty.h"
#include "game/world/TargetProperty.h"
#include "game/world/TextProperty.h"

#include <stdexcept>

namespace {

template <typename X>
X& FindProperty(const TilePropertyPtr& property, X& (MultiProperty::*first)()) {
    if (auto* multi = dynamic_cast<MultiProperty*>(property.get()))
        return (multi->*first)();
    if (auto* own = dynamic_cast<X*>(property.get()))
        return *own;
    throw std::logic_error("unreachable");
}

}  // namespace

FrameProperty& Tile::GetFrameProperty() {
    return FindProperty<FrameProperty>(property, &MultiProperty::GetFrameProperty);
}
const FrameProperty& Tile::GetFrameProperty() const {
    return FindProperty<FrameProperty>(property, &MultiProperty::GetFrameProperty);
}
ItemProperty& Tile::GetItemProperty() {
    return FindProperty<ItemProperty>(property, &MultiProperty::GetItemProperty);
}
const ItemProperty& Tile::GetItemProperty() const {
    return FindProperty<ItemProperty>(property, &MultiProperty::GetItemProperty);
}
TargetProperty& Tile::GetTargetProperty() {
    return FindProperty<TargetProperty>(property, &MultiProperty::GetTargetProperty);
}
const TargetProperty& Tile::GetTargetProperty() const {
    return FindProperty<TargetProperty>(property, &MultiProperty::GetTargetProperty);
}
TextProperty& Tile::GetTextProperty() {
    return FindProperty<TextProperty>(property, &MultiProperty::GetTextProperty);
}
const TextProperty& Tile::GetTextProperty() const {
    return FindProperty<TextProperty>(property, &MultiProperty::GetTextProperty);
}

void CreateTileProperty(Tile& tile, bool switchedOn) {
    const std::int32_t switchFrame = switchedOn ? 0 : 1;
    switch (tile.id) {
    case 1:
        tile.property.reset(new ItemProperty(0));
        break;
    case 2:
    case 3:
    case 4:
    case 13:
    case 170:
    case 177:
    case 184:
        tile.property.reset(new FrameProperty(0));
        break;
    case 6:
    case 11:
    case 12:
        tile.property.reset(new FrameProperty(switchFrame));
        break;
    case 8:
        tile.property.reset(new TargetProperty);
        break;
    case 9:
    case 10: {
        auto* multi = new MultiProperty;
        tile.property.reset(multi);
        multi->parts.push_back(TilePropertyPtr(new FrameProperty(switchFrame)));
        multi->parts.push_back(TilePropertyPtr(new TargetProperty));
        break;
    }
    case 23:
        tile.property.reset(new TextProperty);
        break;
    default:
        tile.property.reset();
        break;
    }
}
