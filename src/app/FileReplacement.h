#pragma once

#include <functional>
#include <string>

// Writes a data file whole: `write` fills a temporary file beside it (it is
// given the temporary file's name and reports a failure by throwing a
// std::runtime_error), which is then renamed over the file. The file thus
// always holds either its old or its new content, also when the program
// stops half-way. False with the reason when the file could not be replaced;
// no temporary file is left behind then.
bool ReplaceFileWhole(const std::string& fileName, const std::function<void(const std::string& temporary)>& write,
                      std::string& error);
