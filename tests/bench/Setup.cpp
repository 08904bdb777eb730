#include "bench/Setup.h"

#include <benchmark/benchmark.h>

#include <iostream>

namespace bench {

std::unique_ptr<testsupport::TempDataDir> Begin(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    auto dir = std::make_unique<testsupport::TempDataDir>();
    if (dir->CopyBuiltArchives() != 4) {
        std::cerr << "The built archives are missing: build the content first.\n";
        return nullptr;
    }
    return dir;
}

int RunAll()
{
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
