// libFuzzer target: a project file of any name and any bytes in a scratch base folder.
#include "FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
std::string gBase;

void RemoveBase()
{
    std::error_code ec;
    std::filesystem::remove_all(gBase, ec);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed when the machine has it: every input creates and reads files.
    std::string tmpl = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/projectfuzz-XXXXXX"
                                                                 : "/tmp/projectfuzz-XXXXXX";
    if (!mkdtemp(tmpl.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    gBase = tmpl + "/";
    std::atexit(RemoveBase);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = CheckProjectFile({reinterpret_cast<const char*>(data), size}, gBase);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
