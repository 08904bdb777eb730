#pragma once

#include "app/VrenkException.h"

// A resource archive, a resource or a level could not be loaded.
class ResourceException : public VrenkException {
public:
    ResourceException(std::string message, std::string secondText)
        : VrenkException(std::move(message), std::move(secondText), true)
    {
    }
};
