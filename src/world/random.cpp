#include "world/random.h"

namespace {

// PCG32 (XSH-RR output over a 64-bit linear congruential state).
uint64_t state = 0;
constexpr uint64_t multiplier = 6364136223846793005ull;
constexpr uint64_t increment = 1442695040888963407ull;

uint32_t next_word()
{
    const uint64_t old = state;
    state = old * multiplier + increment;
    const uint32_t xorshifted = uint32_t(((old >> 18u) ^ old) >> 27u);
    const uint32_t rotation = uint32_t(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
}

}  // namespace

void seed_random(uint32_t seed)
{
    state = 0;
    next_word();
    state += seed;
    next_word();
}

int32_t next_random()
{
    return int32_t(next_word() >> 1);
}
