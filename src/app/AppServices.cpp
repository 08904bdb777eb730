#include "app/AppServices.h"

#include <stdexcept>

namespace {

AppServices* registered = nullptr;

}  // namespace

AppServices& AppServices::Instance()
{
    if (!registered)
        throw std::logic_error("AppServices: no application is running");
    return *registered;
}

AppServices::AppServices()
{
    if (registered)
        throw std::logic_error("AppServices: an application is running already");
    registered = this;
}

AppServices::~AppServices()
{
    registered = nullptr;
}
