#pragma once

#include "brimal/PtrOwner.h"

#include <memory>
#include <type_traits>

class TileProperty;

// An owning pointer to a tile's property that copies the property it holds:
// copying a tile copies its property with it.
class TilePropertyPtr {
public:
    TilePropertyPtr() noexcept = default;
    // Takes the property over (null makes an empty pointer).
    template <typename X>
    explicit TilePropertyPtr(X* property) {
        reset(property);
    }
    TilePropertyPtr(const TilePropertyPtr& other);
    TilePropertyPtr(TilePropertyPtr&& other) noexcept;
    TilePropertyPtr& operator=(const TilePropertyPtr& other);
    TilePropertyPtr& operator=(TilePropertyPtr&& other) noexcept;
    ~TilePropertyPtr();

    // Replaces the held property by the given one, which it takes over.
    template <typename X>
    void reset(X* property) {
        static_assert(std::is_base_of<TileProperty, X>::value, "not a tile property");
        std::unique_ptr<X> held(property);
        Owner* owner = nullptr;
        if (held) {
            owner = new brimal::detail::PtrOwner<TileProperty, X>(held.get());
            held.release();
        }
        Replace(owner);
    }
    // Empties the pointer.
    void reset() noexcept { Replace(nullptr); }

    TileProperty* get() const noexcept { return property_; }
    TileProperty& operator*() const noexcept { return *property_; }
    TileProperty* operator->() const noexcept { return property_; }
    explicit operator bool() const noexcept { return property_ != nullptr; }

private:
    using Owner = brimal::detail::PtrOwnerBase<TileProperty>;
    void Replace(Owner* owner) noexcept;

    Owner* owner_ = nullptr;
    TileProperty* property_ = nullptr;
};
