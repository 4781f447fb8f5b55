// libFuzzer target: any bytes as a list file, read by LoadLines's splitter and the editor.
#include "FuzzChecks.h"
#include "FuzzTarget.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AbortOnProblem(CheckLineReading({reinterpret_cast<const char*>(data), size}));
    return 0;
}
