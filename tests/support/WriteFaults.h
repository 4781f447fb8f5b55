#pragma once
// Helpers for tests that make writes fail part-way, through the test services' write-fault hook.
#include <set>
#include <string>
#include <vector>

// Every entry of a folder, hidden ones included: a temporary file left beside a target shows.
std::set<std::string> FolderEntries(const std::string& folder);

// The byte offsets to fail a write of `size` bytes at: every one for a small file; for a big
// one the first and last bytes, both sides of the usual buffer sizes, and an even spread.
std::vector<long long> FailureOffsets(size_t size);

// Every write from now on fails after `bytes` bytes, as on a full disk (-1: none fails).
void FailWritesAfter(long long bytes);
