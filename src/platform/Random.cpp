#include "platform/Random.h"

uint64_t FreshSeed()
{
    // The system's entropy source, 32 bits a call.
    std::random_device device;
    return (uint64_t(device()) << 32) ^ device();
}
