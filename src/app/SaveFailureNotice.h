#pragma once

#include <set>
#include <string>

// What a store tells the player when it cannot save. The first failed save
// of each file in a run leaves one text for the player here; later failures
// of the same file are only logged. The application takes the text after
// each step and shows it; what the player did stays in force in memory.
class SaveFailureNotice {
public:
    // Records a failed save of `fileName`; only the first one of each file
    // leaves a text to tell.
    void Report(const std::string& fileName, const std::string& reason);
    // The untold text, if any, and forgets it: "" when there is nothing to
    // tell.
    std::string Take();

private:
    std::set<std::string> told_;
    std::string untold_;
};
