#include "game/world/MultiProperty.h"

#include "game/world/FrameProperty.h"
#include "game/world/ItemProperty.h"
#include "game/world/TargetProperty.h"
#include "game/world/TextProperty.h"

#include <stdexcept>

void MultiProperty::Write(t4::token_container& tokens) const {
    for (const TilePropertyPtr& part : parts)
        if (part)
            part->Write(tokens);
}

void MultiProperty::Read(t4::token_container& tokens) {
    for (TilePropertyPtr& part : parts)
        if (part)
            part->Read(tokens);
}

template <typename X>
X& MultiProperty::FirstPart() const {
    for (const TilePropertyPtr& part : parts)
        if (auto* found = dynamic_cast<X*>(part.get()))
            return *found;
    throw std::logic_error("unreachable");
}

FrameProperty& MultiProperty::GetFrameProperty() { return FirstPart<FrameProperty>(); }
const FrameProperty& MultiProperty::GetFrameProperty() const { return FirstPart<FrameProperty>(); }
ItemProperty& MultiProperty::GetItemProperty() { return FirstPart<ItemProperty>(); }
const ItemProperty& MultiProperty::GetItemProperty() const { return FirstPart<ItemProperty>(); }
TargetProperty& MultiProperty::GetTargetProperty() { return FirstPart<TargetProperty>(); }
const TargetProperty& MultiProperty::GetTargetProperty() const { return FirstPart<TargetProperty>(); }
TextProperty& MultiProperty::GetTextProperty() { return FirstPart<TextProperty>(); }
const TextProperty& MultiProperty::GetTextProperty() const { return FirstPart<TextProperty>(); }
