#include "WriteFaults.h"

#include "FakeServices.h"

#include <filesystem>

std::set<std::string> FolderEntries(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

std::vector<long long> FailureOffsets(size_t size)
{
    const auto n = static_cast<long long>(size);
    if (size <= 4096) {
        std::vector<long long> all;
        for (long long i = 0; i < n; ++i) all.push_back(i);
        return all;
    }
    std::set<long long> at{0, 1, 2, n - 2, n - 1};
    for (long long edge : {4096LL, 8192LL, 16384LL, 65536LL, 131072LL, 524288LL})
        for (long long d : {-1LL, 0LL, 1LL})
            if (edge + d < n) at.insert(edge + d);
    for (long long i = 1; i < 48; ++i) at.insert(n * i / 48);
    return {at.begin(), at.end()};
}

void FailWritesAfter(long long bytes)
{
    if (bytes < 0) TestServices().WriteFault = nullptr;
    else TestServices().WriteFault = [bytes](size_t) { return bytes; };
}
