#include "sfxt/NumberText.h"

#include <cstdio>

namespace {

template <typename T>
std::string Format(const char* format, T value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string ToText(int value)
{
    return Format("%d", value);
}

std::string UIntToText(unsigned value)
{
    return Format("%u", value);
}

std::string LongToText(long value)
{
    return Format("%ld", value);
}
