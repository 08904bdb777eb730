#pragma once

namespace t4 {
class token_container;
}

// Per-tile data beyond the id and the counter. Level files carry a
// property's tokens after the fixed fields of the tile's line.
class TileProperty {
public:
    virtual ~TileProperty();
    // Appends the property's tokens.
    virtual void Write(t4::token_container& tokens) const = 0;
    // Takes the property's tokens from the front (t4::io_exception on bad tokens).
    virtual void Read(t4::token_container& tokens) = 0;

protected:
    TileProperty() = default;
    TileProperty(const TileProperty&) = default;
    TileProperty& operator=(const TileProperty&) = default;
};
