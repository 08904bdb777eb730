#pragma once

#include "FuzzSupport.h"

#include "app/ProfileStore.h"

#include <functional>
#include <string>

namespace fuzz {

// One of the store's two files: its name, where a damaged one goes, the log
// entry of a damaged one, and how the store loads and saves it.
struct StoreFile {
    const char* fileName;
    const char* errorFileName;
    const char* what;  // "profiles" or "highscores"
    std::function<void(ProfileStore&)> load;
    std::function<void(ProfileStore&)> save;
    // Whether two stores hold the same content of this file.
    std::function<bool(const ProfileStore&, const ProfileStore&)> same;
};

// Loads the file from the bytes. A damaged file is set aside whole (never
// lost) and replaced by an empty one that loads clean; a file that loads
// clean saves without complaint and loads back unchanged. Returns how the
// load went, and leaves the loaded store in `store`.
inline std::string LoadStoreFile(const StoreFile& file, const std::string& bytes, ProfileStore& store)
{
    RemoveFile(file.errorFileName);
    WriteFile(file.fileName, bytes);
    std::string logged;
    {
        LogCapture log;
        file.load(store);
        logged = log.Text();
    }
    const std::string failed = std::string("Failed to load ") + file.what + ": ";
    const std::size_t at = logged.find(failed);
    if (at != std::string::npos) {
        FUZZ_CHECK(ReadFile(file.errorFileName) == bytes && Exists(file.errorFileName),
                   "a damaged file was not kept whole");
        FUZZ_CHECK(logged.find("Empty file has been created.") != std::string::npos,
                   "no empty file after a damaged one: " + logged);
        ProfileStore fresh;
        LogCapture log;
        file.load(fresh);
        FUZZ_CHECK(log.Text().empty(), "the empty file does not load clean: " + log.Text());
        FUZZ_CHECK(file.same(fresh, ProfileStore()), "the empty file is not empty");
        return "set aside: " + OneLine(logged.substr(at, logged.find("\nEmpty file", at) - at));
    }
    FUZZ_CHECK(logged.empty(), "an unexpected log entry: " + logged);
    FUZZ_CHECK(!Exists(file.errorFileName), "a clean file was set aside");
    {
        LogCapture log;
        file.save(store);
        FUZZ_CHECK(log.Text().empty(), "what loaded clean does not save: " + log.Text());
    }
    ProfileStore back;
    LogCapture log;
    file.load(back);
    FUZZ_CHECK(log.Text().empty(), "a saved file does not load clean: " + log.Text());
    FUZZ_CHECK(file.same(back, store), "a saved file loads back differently");
    return "loaded";
}

// Saves the store and checks that it loads back the same.
inline void CheckSavedAlike(const StoreFile& file, const ProfileStore& store)
{
    ProfileStore copy = store;
    {
        LogCapture log;
        file.save(copy);
        FUZZ_CHECK(log.Text().empty(), "a changed store does not save: " + log.Text());
    }
    ProfileStore back;
    LogCapture log;
    file.load(back);
    FUZZ_CHECK(log.Text().empty() && file.same(back, store), "a changed store loads back differently");
}

}  // namespace fuzz
