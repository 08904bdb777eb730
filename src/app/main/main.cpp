#include "app/Application.h"
#include "app/Log.h"

#include <exception>
#include <string>

int main(int, char**)
{
    try {
        if (Application::Instance().Startup())
            Application::Instance().Run();
    } catch (const std::exception& e) {
        LogFromMain("EXCEPTION: " + std::string(e.what()));
    } catch (...) {
        LogFromMain("UNKNOWN EXCEPTION.");
    }
    return 0;
}
