#pragma once

#include <string>

#include "brimal/Exception.h"

namespace kest {

// Thrown when a key has no name or a name no key.
class StringConversionException : public brimal::Exception {
public:
    explicit StringConversionException(const std::string& message);
    ~StringConversionException() override;
};

}  // namespace kest
