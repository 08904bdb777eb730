#pragma once

// The owner objects behind a deep-copying pointer to a polymorphic base: one
// owner type per concrete class, so that a copy is made of the concrete class
// even though the pointer only knows the base.

#include <memory>

namespace brimal {

// A new copy of an object of its exact static type.
template <typename X>
X* OperatorNewCopy(const X& source) {
    return new X(source);
}

template <typename X>
void OperatorDelete(X* object) {
    delete object;
}

namespace detail {

template <typename Base>
class PtrOwnerBase {
public:
    virtual ~PtrOwnerBase() = default;
    // A new owner holding a new copy of the held object.
    virtual PtrOwnerBase* clone() const = 0;
    virtual Base* get() const = 0;

protected:
    PtrOwnerBase() = default;
    PtrOwnerBase(const PtrOwnerBase&) = default;
    PtrOwnerBase& operator=(const PtrOwnerBase&) = default;
};

template <typename Base, typename X>
class PtrOwner final : public PtrOwnerBase<Base> {
public:
    // Takes the object over.
    explicit PtrOwner(X* held) noexcept : held_(held) {}
    ~PtrOwner() override { OperatorDelete(held_); }
    PtrOwner(const PtrOwner&) = delete;
    PtrOwner& operator=(const PtrOwner&) = delete;

    PtrOwnerBase<Base>* clone() const override {
        std::unique_ptr<X> copy(OperatorNewCopy(*held_));
        auto* owner = new PtrOwner(copy.get());
        copy.release();
        return owner;
    }
    Base* get() const override { return held_; }

private:
    X* held_;
};

}  // namespace detail
}  // namespace brimal
