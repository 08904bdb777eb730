#pragma once

#include "app/VrenkException.h"

// A level that loaded but cannot be played (it fails the consistency check).
class GameLogicError : public VrenkException {
public:
    explicit GameLogicError(std::string message) : VrenkException(std::move(message), "", true) {}
};
