#pragma once
// What the libFuzzer targets share: a check that fails prints what went wrong and aborts, so
// libFuzzer keeps the input; targets that write files get a scratch folder of their own.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline void AbortOnProblem(const std::string& problem)
{
    if (problem.empty()) return;
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
}

// A fresh folder (memory-backed where the machine has one: every input writes files),
// ending in "/", removed when the fuzzer exits.
inline const std::string& ScratchFolder()
{
    static const std::string folder = [] {
        std::string tmpl = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/lexidrill-fuzz-XXXXXX"
                                                                     : "/tmp/lexidrill-fuzz-XXXXXX";
        if (!mkdtemp(tmpl.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        return tmpl + "/";
    }();
    static const bool removeAtExit = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return true;
    }();
    (void)removeAtExit;
    return folder;
}
