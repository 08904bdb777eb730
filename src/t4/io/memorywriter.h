#pragma once

#include "t4/io/basic_writer.h"
#include "t4/io/formatter.h"

#include <sstream>
#include <string>

namespace t4 {

// Writes a sectioned text into memory, for a caller that puts it on disk
// itself: open (title), then the sections as with the file writer, then
// str() for the whole text.
class memorywriter : public basic_writer {
public:
    explicit memorywriter(const formatter& format);
    ~memorywriter() override;

    // Starts a new text with its title line; what was written before is
    // dropped.
    void open(const std::string& title);
    // The text written so far.
    std::string str() const { return stream_.str(); }

    void check_error() const override;

protected:
    std::ostream& output() override { return stream_; }

private:
    std::ostringstream stream_;
    bool opened_ = false;
};

}  // namespace t4
