// libFuzzer target: any text as a colour code.
#include "FuzzChecks.h"
#include "FuzzTarget.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AbortOnProblem(CheckHexToColor({reinterpret_cast<const char*>(data), size}));
    return 0;
}
