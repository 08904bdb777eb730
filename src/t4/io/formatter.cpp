#include "t4/io/formatter.h"

#include "t4/io/io_exception.h"

namespace t4 {

formatter::formatter()
    : properties_{"..:: ", " ::..", ".: ", " :.", "{", "}", ""}
{
    set_property(separator, ", ");
}

void formatter::set_property(std::size_t index, const std::string& text)
{
    if (index >= property_count)
        throw io_exception("formatter::set_property - invalid property index");
    // The message is Latin-1: 0xFC is the u with diaeresis.
    if (index == separator && text.empty())
        throw io_exception("formatter::set_property - leere Trennsequenz \xFC"
                           "bergeben");
    properties_[index] = text;
}

const std::string& formatter::get_property(std::size_t index) const
{
    if (index >= property_count)
        throw io_exception("formatter::get_property - invalid property index");
    return properties_[index];
}

}  // namespace t4
