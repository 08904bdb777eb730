#include "app/SaveFailureNotice.h"

#include <algorithm>

void SaveFailureNotice::Report(const std::string& fileName, const std::string& reason)
{
    const bool pending = std::any_of(untold_.begin(), untold_.end(),
                                     [&fileName](const Failure& failure) { return failure.fileName == fileName; });
    if (!pending && told_.count(fileName) == 0)
        untold_.push_back({fileName, reason});
}

void SaveFailureNotice::Saved(const std::string& fileName)
{
    told_.erase(fileName);
    untold_.erase(std::remove_if(untold_.begin(), untold_.end(),
                                 [&fileName](const Failure& failure) { return failure.fileName == fileName; }),
                  untold_.end());
}

std::string SaveFailureNotice::Take()
{
    std::string text;
    for (const Failure& failure : untold_) {
        text += (text.empty() ? "" : "\n\n") + std::string("The game cannot save \"") + failure.fileName + "\":\n   " +
                failure.reason + "\n   What you change stays in force until the game ends.";
        told_.insert(failure.fileName);
    }
    untold_.clear();
    return text;
}

std::vector<std::string> SaveFailureNotice::Untold() const
{
    std::vector<std::string> lines;
    for (const Failure& failure : untold_)
        lines.push_back("Vrenk II could not save \"" + failure.fileName + "\", and what changed in it is lost: " +
                        failure.reason);
    return lines;
}
