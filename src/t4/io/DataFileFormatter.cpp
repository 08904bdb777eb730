#include "t4/io/DataFileFormatter.h"

t4::formatter MakeDataFileFormatter()
{
    t4::formatter format;
    format.set_property(t4::formatter::separator, "; ");
    return format;
}
