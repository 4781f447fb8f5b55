#pragma once
// Chance as the program sees it: random numbers come from a source handed in with the other
// services, so a test fixes the sequence while a real run differs from the last one.
#include <cstdint>
#include <limits>
#include <random>

class TRandomSource {
public:
    using result_type = uint64_t;
    virtual ~TRandomSource() = default;
    // 64 random bits.
    virtual uint64_t Next() = 0;

    // A uniform random bit generator, so the standard algorithms (std::shuffle) draw from it.
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    result_type operator()() { return Next(); }
};

// The same seed gives the same sequence.
class TSeededRandom : public TRandomSource {
public:
    explicit TSeededRandom(uint64_t seed) : Engine(seed) {}
    uint64_t Next() override { return Engine(); }

private:
    std::mt19937_64 Engine;
};

// A seed that differs from run to run.
uint64_t FreshSeed();
