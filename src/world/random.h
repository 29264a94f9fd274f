#pragma once
// The program's one pseudo-random generator. Our own, so that a seed gives
// the same world and the same run on every platform and compiler.
#include <cstdint>

void seed_random(uint32_t seed);
// A fresh draw, uniformly distributed over 0..2^31 - 1.
int32_t next_random();
