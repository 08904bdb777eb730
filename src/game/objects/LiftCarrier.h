#pragma once

// What a moving object needs of the lift it rides: the lift's horizontal
// motion of this step, asked without changing the lift, as if it were
// triggered (the lift converts its exact motion to float). The lift class
// derives from this besides Object.
class LiftCarrier {
public:
    virtual float GetCarryMotionX(bool slowed) const = 0;

protected:
    LiftCarrier() = default;
    LiftCarrier(const LiftCarrier&) = default;
    LiftCarrier& operator=(const LiftCarrier&) = default;
    ~LiftCarrier() = default;
};
