#include "app/MainGuard.h"

#include "app/Log.h"

#include <exception>
#include <string>

int RunGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        LogFromMain("EXCEPTION: " + std::string(e.what()));
    } catch (...) {
        LogFromMain("UNKNOWN EXCEPTION.");
    }
    return 0;
}
