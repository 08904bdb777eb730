#pragma once

#include "t4/io/basic_reader.h"
#include "t4/io/formatter.h"

#include <cstddef>
#include <sstream>

namespace t4 {

// Reads a sectioned text held in memory (a file taken from an archive).
// LF and CR LF line ends read alike.
class memoryreader : public basic_reader {
public:
    explicit memoryreader(const formatter& format);
    ~memoryreader() override;

    // Takes a copy of the bytes and reads the title line and the first
    // subtitle. Opening again starts afresh with the new bytes. Throws
    // "(Input) memoryreader: Can't open file in memory" when the bytes hold
    // no title line.
    void open(const void* data, std::size_t size);

    void check_error() const override;

protected:
    std::istream& input() override { return stream_; }

private:
    std::istringstream stream_;
    bool hasText_ = false;
};

}  // namespace t4
