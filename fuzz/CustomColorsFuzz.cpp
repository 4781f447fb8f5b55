// libFuzzer target: any bytes as the custom colours file, in a scratch folder.
#include "FuzzChecks.h"
#include "FuzzTarget.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AbortOnProblem(CheckCustomColors({reinterpret_cast<const char*>(data), size}, ScratchFolder()));
    return 0;
}
