#pragma once

#include <stdexcept>
#include <string>

namespace brimal {

// The base of the support libraries' exceptions. It carries nothing beyond
// the message of std::runtime_error, so a handler of std::runtime_error or
// std::exception catches it as well.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message);
    ~Exception() override;
};

}  // namespace brimal
