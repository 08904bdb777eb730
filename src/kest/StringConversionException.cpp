#include "kest/StringConversionException.h"

namespace kest {

StringConversionException::StringConversionException(const std::string& message)
    : brimal::Exception(message) {}

StringConversionException::~StringConversionException() = default;

}  // namespace kest
