// libFuzzer target: any bytes as a starting text and a sequence of edits on the editor's document.
#include "FuzzChecks.h"
#include "FuzzTarget.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AbortOnProblem(CheckDocumentEdits({reinterpret_cast<const char*>(data), size}));
    return 0;
}
