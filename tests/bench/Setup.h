#pragma once

#include "support/TempDataDir.h"

#include <memory>

namespace bench {

// The start of every benchmark program: Google Benchmark takes its options
// from the command line, and a fresh working directory gets the built
// archives in its Data/. Null, after saying why, when there are none.
std::unique_ptr<testsupport::TempDataDir> Begin(int& argc, char** argv);

// Runs the registered benchmarks; the program's exit code.
int RunAll();

}  // namespace bench
