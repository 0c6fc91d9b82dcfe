#pragma once

#include <cstdint>
#include <functional>

// The program-wide random numbers: one 32-bit linear congruential generator
// shared by the spray, the hot-spot marker and the noise effects. Each user
// reseeds it from a free-running clock right before drawing, so two bursts
// never repeat; tests replace the clock to make the draws predictable.

// The generator's state.
std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t Seed);

// Seed := Seed * 134775813 + 1 (mod 2^32), then the high 32 bits of
// Seed * N: a uniform integer 0 .. N - 1, and 0 when N is 0 or negative.
int Random(int N);

// Reseeds from the clock (its low 32 bits).
void Randomize();

// The clock Randomize reads; an empty function restores the high-resolution
// clock. For tests.
void setRandomClock(std::function<std::uint32_t()> Clock);
