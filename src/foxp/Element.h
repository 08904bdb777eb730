#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace foxp {

class ArchiveImpl;

// What a look-up in an archive found for one path: the index entries that
// matched it, each with the offset and size of its data. A look-up that is
// found has exactly one match; an empty element (no match) means "not found".
class Element {
public:
    // An element of no archive that matches nothing.
    Element();
    Element(ArchiveImpl* archive, std::string path, std::vector<std::string> matchPaths,
            std::vector<std::int64_t> offsets, std::vector<std::int64_t> sizes);
    virtual ~Element();

    Element(const Element&) = default;
    Element& operator=(const Element&) = default;
    Element(Element&&) = default;
    Element& operator=(Element&&) = default;

    // The path that was asked for.
    const std::string& GetPath() const { return path_; }
    // Whether exactly one entry of the archive matched.
    bool IsFound() const { return matchPaths_.size() == 1; }
    // The size of the first match in bytes; 0 when nothing matched.
    std::int64_t GetSize() const { return sizes_.empty() ? 0 : sizes_.front(); }

protected:
    ArchiveImpl* archive_;
    std::string path_;
    std::vector<std::string> matchPaths_;
    std::vector<std::int64_t> offsets_;
    std::vector<std::int64_t> sizes_;
};

}  // namespace foxp
