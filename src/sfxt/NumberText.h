#pragma once

#include <string>

// Numbers as decimal text, as printf's "%d", "%u" and "%ld" write them.
std::string ToText(int value);
std::string UIntToText(unsigned value);
std::string LongToText(long value);
