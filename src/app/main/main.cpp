#include "app/Application.h"
#include "app/MainGuard.h"

int main(int, char**)
{
    return RunGuarded([] {
        if (Application::Instance().Startup())
            Application::Instance().Run();
    });
}
