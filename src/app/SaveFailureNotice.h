#pragma once

#include <set>
#include <string>
#include <vector>

// What a store tells the player when it cannot save. A failed save of a file
// leaves one text for the player here; later failures of the same file are
// only logged, until a save of it succeeds: after that, a new failure is told
// again. The application takes the text after each step and shows it; what
// the player did stays in force in memory. What the game could not show
// before it ended goes to the terminal.
class SaveFailureNotice {
public:
    // Records a failed save of `fileName`. Of failures not yet told, the
    // first one's reason stands.
    void Report(const std::string& fileName, const std::string& reason);
    // A save of `fileName` succeeded: nothing of it is left to tell, and its
    // next failure is told again.
    void Saved(const std::string& fileName);
    // The text of the failures not yet told, which count as told from then
    // on: "" when there is nothing to tell.
    std::string Take();
    // The failures never told, one line each naming the file and the
    // reason.
    std::vector<std::string> Untold() const;

private:
    struct Failure {
        std::string fileName;
        std::string reason;
    };

    std::vector<Failure> untold_;
    std::set<std::string> told_;
};
