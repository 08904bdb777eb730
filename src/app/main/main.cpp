#include "app/Application.h"
#include "app/MainGuard.h"

int main(int, char**)
{
    return RunGuarded([] {
        Application& app = Application::Instance();
        if (app.Startup())
            app.Run();
        return RunEnd(app.failure, app.UntoldSaveFailures());
    });
}
