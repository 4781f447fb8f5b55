// libFuzzer target: a project file of any name and any bytes in a scratch base folder.
#include "FuzzChecks.h"
#include "FuzzTarget.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AbortOnProblem(CheckProjectFile({reinterpret_cast<const char*>(data), size}, ScratchFolder()));
    return 0;
}
