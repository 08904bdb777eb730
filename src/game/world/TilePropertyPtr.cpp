#include "game/world/TilePropertyPtr.h"

#include "game/world/TileProperty.h"

#include <utility>

TilePropertyPtr::TilePropertyPtr(const TilePropertyPtr& other) {
    if (other.owner_) {
        owner_ = other.owner_->clone();
        property_ = owner_->get();
    }
}

TilePropertyPtr::TilePropertyPtr(TilePropertyPtr&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)),
      property_(std::exchange(other.property_, nullptr)) {}

TilePropertyPtr& TilePropertyPtr::operator=(const TilePropertyPtr& other) {
    if (this != &other) {
        TilePropertyPtr copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TilePropertyPtr& TilePropertyPtr::operator=(TilePropertyPtr&& other) noexcept {
    if (this != &other) {
        Replace(std::exchange(other.owner_, nullptr));
        other.property_ = nullptr;
    }
    return *this;
}

TilePropertyPtr::~TilePropertyPtr() { delete owner_; }

void TilePropertyPtr::Replace(Owner* owner) noexcept {
    Owner* old = owner_;
    owner_ = owner;
    property_ = owner ? owner->get() : nullptr;
    delete old;
}
