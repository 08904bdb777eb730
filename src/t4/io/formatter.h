#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace t4 {

// The seven marks of the sectioned text format: how titles, subtitles and
// data lines begin and end, and what stands between two tokens.
class formatter {
public:
    static constexpr std::size_t title_begin = 0;     // "..:: "
    static constexpr std::size_t title_end = 1;       // " ::.."
    static constexpr std::size_t subtitle_begin = 2;  // ".: "
    static constexpr std::size_t subtitle_end = 3;    // " :."
    static constexpr std::size_t data_begin = 4;      // "{"
    static constexpr std::size_t data_end = 5;        // "}"
    static constexpr std::size_t separator = 6;       // ", "
    static constexpr std::size_t property_count = 7;

    formatter();

    // Replaces one mark. The separator must not be empty; an index outside
    // 0 to 6 is refused as well.
    void set_property(std::size_t index, const std::string& text);
    const std::string& get_property(std::size_t index) const;

private:
    std::vector<std::string> properties_;
};

}  // namespace t4
