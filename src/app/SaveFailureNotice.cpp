#include "app/SaveFailureNotice.h"

void SaveFailureNotice::Report(const std::string& fileName, const std::string& reason)
{
    if (!told_.insert(fileName).second)
        return;
    const std::string text = "The game cannot save \"" + fileName + "\":\n   " + reason +
                             "\n   What you change stays in force until the game ends.";
    untold_ = untold_.empty() ? text : untold_ + "\n\n" + text;
}

std::string SaveFailureNotice::Take()
{
    std::string text;
    text.swap(untold_);
    return text;
}
