#pragma once

#include "app/SaveFailureNotice.h"

#include <optional>
#include <string>
#include <utility>

// The saves of one data file, and what the last one held when it failed.
// After a failed save the file on disk is older than the game's own state:
// until a save succeeds, a load gives back what the failed save held instead
// of reading the file, and tries to save it again. How each save went is
// told to the notice.
template <typename Content>
class UnsavedChanges {
public:
    explicit UnsavedChanges(std::string fileName) : fileName_(std::move(fileName)) {}

    // Saves `content` through `write` (bool write(std::string& error),
    // false with the reason when it failed) and keeps the content when the
    // save failed. False with the reason then.
    template <typename Write>
    bool Save(const Content& content, Write&& write, SaveFailureNotice& notice, std::string& error)
    {
        if (write(error)) {
            unsaved_.reset();
            notice.Saved(fileName_);
            return true;
        }
        unsaved_ = content;
        notice.Report(fileName_, error);
        return false;
    }

    // For a load: when the last save failed, hands what it held to
    // `giveBack`, saves again through `save`, and returns true; the file is
    // not read then. False when the last save succeeded: the load reads the
    // file.
    template <typename GiveBack, typename SaveAgain>
    bool Reload(GiveBack&& giveBack, SaveAgain&& save) const
    {
        if (!unsaved_)
            return false;
        const Content held = *unsaved_;  // the save below replaces it
        giveBack(held);
        save();
        return true;
    }

private:
    std::string fileName_;
    std::optional<Content> unsaved_;
};
