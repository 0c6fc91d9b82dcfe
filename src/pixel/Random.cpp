#include "pixel/Random.h"

#include <chrono>
#include <utility>

namespace {

std::uint32_t g_seed = 0;

std::uint32_t highResolutionTicks() {
    using Clock = std::chrono::steady_clock;
    return std::uint32_t(Clock::now().time_since_epoch().count());
}

std::function<std::uint32_t()>& randomClock() {
    static std::function<std::uint32_t()> c = highResolutionTicks;
    return c;
}

} // namespace

std::uint32_t RandSeed() {
    return g_seed;
}

void SetRandSeed(std::uint32_t Seed) {
    g_seed = Seed;
}

int Random(int N) {
    g_seed = g_seed * 134775813u + 1u;
    if (N <= 0) return 0;
    return int((std::uint64_t(g_seed) * std::uint64_t(N)) >> 32);
}

void Randomize() {
    g_seed = randomClock()();
}

void setRandomClock(std::function<std::uint32_t()> Clock) {
    randomClock() = Clock ? std::move(Clock) : std::function<std::uint32_t()>(highResolutionTicks);
}
