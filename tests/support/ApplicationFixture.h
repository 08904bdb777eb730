#pragma once

// For the tests of the application itself, which lives as long as the test
// program: one working directory for all its tests, and a look at its screen.
// Header only: the test programs that use it link the application.

#include "app/Application.h"
#include "app/Surface.h"
#include "support/TempDataDir.h"

#include <functional>
#include <memory>

namespace testsupport {

// A copy of the built data, made (and given to `prepare`) on first use and
// kept until the process ends; then the application, made on first use over
// it.
inline Application& ApplicationOver(const std::function<void(TempDataDir&)>& prepare = {})
{
    static TempDataDir* dir = nullptr;
    if (!dir) {
        dir = new TempDataDir;
        dir->CopyBuiltArchives();
        if (prepare)
            prepare(*dir);
    }
    return Application::Instance();
}

// Whether the screen is one of the given type.
template <typename T>
bool Is(const std::unique_ptr<Surface>& screen)
{
    return dynamic_cast<T*>(screen.get()) != nullptr;
}

}  // namespace testsupport
