// The libFuzzer entry: a failed check is reported and ends the run, so that
// libFuzzer keeps the input.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnterWorkDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        fuzz::RunOne(data, size);
    } catch (const fuzz::Failure& failure) {
        std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
