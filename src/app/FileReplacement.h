#pragma once

#include <functional>
#include <string>

// Writes a data file whole. `text` gives its whole content (it reports a
// failure by throwing a std::runtime_error); the content goes into a
// temporary file beside the file, created anew (whatever stood at its name
// is removed, and a link there is never followed), which is flushed to the
// disk and then renamed over the file. The file thus always holds either its old or its
// new content, also when the program stops half-way. False with the reason
// when the file could not be replaced: for a failed step of the system the
// reason is the one the system gave. No temporary file is left behind then.
bool ReplaceFileWhole(const std::string& fileName, const std::function<std::string()>& text, std::string& error);
