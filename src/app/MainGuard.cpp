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

int RunGuarded(const std::function<RunEnd()>& body)
{
    try {
        const RunEnd end = body();
        // The player learns here what the game could not show.
        for (const std::string& line : end.untoldSaves)
            WriteToTerminal(line);
        if (!end.failure.empty())
            return Failed(end.failure);
        return end.untoldSaves.empty() ? 0 : 1;
    } catch (const std::exception& e) {
        LogFromMain("EXCEPTION: " + std::string(e.what()));
        return Failed(e.what());
    } catch (...) {
        LogFromMain("UNKNOWN EXCEPTION.");
        return Failed("unknown exception");
    }
}
