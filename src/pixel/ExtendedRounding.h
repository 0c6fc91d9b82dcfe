#pragma once

// Round to nearest, an exact half to the even neighbour, for a non-negative
// value in 80-bit precision: sums that land on an exact half there (grey
// weights, the corners of a turned picture) are rounded as such rather than
// after a trip through double. No library call, and no dependence on the
// floating-point rounding mode.
inline int RoundHalfEvenExtended(long double V) {
    const long long f = static_cast<long long>(V); // the floor, V being >= 0
    const long double diff = V - static_cast<long double>(f);
    if (diff > 0.5L) return int(f + 1);
    if (diff < 0.5L) return int(f);
    return int(f % 2 == 0 ? f : f + 1);
}
