#include "app/ErrorRecurrence.h"

bool ErrorRecurrence::ComesBack(const std::string& message)
{
    const bool again = returning_ && message == shown_;
    shown_ = message;
    returning_ = false;
    return again;
}

void ErrorRecurrence::LeftErrorScreen()
{
    returning_ = true;
}

void ErrorRecurrence::FrameDrawn()
{
    returning_ = false;
}
