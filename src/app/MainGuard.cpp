#include "app/MainGuard.h"

#include "app/Log.h"

#include <exception>

namespace {

int Failed(const std::string& reason)
{
    WriteToTerminal("Vrenk II ended on an error: " + reason);
    return 1;
}

}  // namespace

int RunGuarded(const std::function<std::string()>& body)
{
    try {
        const std::string failure = body();
        return failure.empty() ? 0 : Failed(failure);
    } catch (const std::exception& e) {
        LogFromMain("EXCEPTION: " + std::string(e.what()));
        return Failed(e.what());
    } catch (...) {
        LogFromMain("UNKNOWN EXCEPTION.");
        return Failed("unknown exception");
    }
}
