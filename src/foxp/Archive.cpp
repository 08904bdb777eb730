#include "foxp/Archive.h"

#include "foxp/ArchiveImpl.h"

#include <stdexcept>
#include <utility>

namespace foxp {

Archive::Archive() = default;
Archive::~Archive() = default;
Archive::Archive(Archive&&) noexcept = default;
Archive& Archive::operator=(Archive&&) noexcept = default;

void Archive::Open(const std::string& path, const std::string& password)
{
    auto impl = std::make_unique<ArchiveImpl>();
    impl->Open(path, password);
    impl_ = std::move(impl);
}

File Archive::Get(const std::string& path)
{
    if (!impl_)
        throw std::runtime_error("[FOXP] Archive is not open");
    return impl_->Get(path);
}

}  // namespace foxp
