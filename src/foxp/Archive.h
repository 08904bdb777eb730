#pragma once

#include "foxp/File.h"

#include <memory>
#include <string>

namespace foxp {

class ArchiveImpl;

// A read-only, password-protected archive. Open it once with its password,
// then Get its files by path. Files refer to the archive and must not outlive
// it; reads of one archive are serialised, so its files may be read from
// several threads.
class Archive {
public:
    Archive();
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;
    Archive(Archive&&) noexcept;
    Archive& operator=(Archive&&) noexcept;

    // Opens the archive at a path and checks its header against the password
    // (std::runtime_error on failure; see ArchiveImpl::Open). On failure the
    // archive stays as it was.
    void Open(const std::string& path, const std::string& password);

    bool IsOpen() const { return impl_ != nullptr; }

    // The file under this path, or an empty File (IsFound() false) when the
    // archive holds no such file. Throws std::runtime_error when the archive
    // is not open or its stream fails.
    File Get(const std::string& path);

private:
    std::unique_ptr<ArchiveImpl> impl_;
};

}  // namespace foxp
