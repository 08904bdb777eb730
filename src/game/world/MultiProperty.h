#pragma once

#include "game/world/TilePropertyPtr.h"
#include "game/world/TileProperty.h"

#include <vector>

class FrameProperty;
class ItemProperty;
class TargetProperty;
class TextProperty;

// Several properties on one tile (a switch: its frame and its targets). The
// tokens are the parts' tokens one after another.
class MultiProperty final : public TileProperty {
public:
    void Write(t4::token_container& tokens) const override;
    void Read(t4::token_container& tokens) override;

    // The first part of each kind; std::logic_error("unreachable") when there is none.
    FrameProperty& GetFrameProperty();
    const FrameProperty& GetFrameProperty() const;
    ItemProperty& GetItemProperty();
    const ItemProperty& GetItemProperty() const;
    TargetProperty& GetTargetProperty();
    const TargetProperty& GetTargetProperty() const;
    TextProperty& GetTextProperty();
    const TextProperty& GetTextProperty() const;

    std::vector<TilePropertyPtr> parts;

private:
    template <typename X>
    X& FirstPart() const;
};
