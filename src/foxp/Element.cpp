#include "foxp/Element.h"

#include <utility>

namespace foxp {

Element::Element() : archive_(nullptr) {}

Element::Element(ArchiveImpl* archive, std::string path, std::vector<std::string> matchPaths,
                 std::vector<std::int64_t> offsets, std::vector<std::int64_t> sizes)
    : archive_(archive),
      path_(std::move(path)),
      matchPaths_(std::move(matchPaths)),
      offsets_(std::move(offsets)),
      sizes_(std::move(sizes))
{
}

Element::~Element() = default;

}  // namespace foxp
