#include "brimal/Exception.h"

namespace brimal {

Exception::Exception(const std::string& message) : std::runtime_error(message) {}

Exception::~Exception() = default;

}  // namespace brimal
