#pragma once
// Eight bytes of text as one machine word, for the loops that go through long texts a word at
// a time: the first byte in the lowest bits, as on every machine the program is built for.
#include <cstdint>
#include <cstring>

constexpr uint64_t ByteOnes = 0x0101010101010101ull;  // 0x01 in every byte
constexpr uint64_t ByteHighs = 0x8080808080808080ull; // the high bit of every byte

inline uint64_t ByteWord(const void* p)
{
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}
